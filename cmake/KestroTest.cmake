# SPDX-License-Identifier: GPL-3.0-or-later
# kestro_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One executable per area; Qt tests need no display.
function(kestro_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  # Where the build put the real channel sets, for tests that use them. Under Wine the
  # build folder is on drive Z:.
  set(channels ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(channels "Z:${channels}")
  endif()
  target_compile_definitions(${name} PRIVATE KESTRO_CHANNELS_DIR="${channels}")
  add_dependencies(${name} kestro_channels)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    # The player's own channel sets are looked for in a folder of the test's. The texts
    # compared are the program's own words, whatever language the one running the tests
    # reads.
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/tests/data-${name};LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
