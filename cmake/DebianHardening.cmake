# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature
# on: fortified C library calls, a stack protector, and relocations made read-only and
# bound at start-up. Taken wherever dpkg-buildflags is there, so the build CPack packs
# carries them; optimisation and debug information stay the build type's.
option(KESTRO_HARDENING "Build with Debian's hardening flags where dpkg-buildflags is there" ON)
find_program(KESTRO_DPKG_BUILDFLAGS dpkg-buildflags)
# Not for Windows builds, nor beside the fuzzers' sanitizers, which replace the very
# calls that fortifying checks.
if(NOT KESTRO_HARDENING OR NOT KESTRO_DPKG_BUILDFLAGS OR WIN32 OR CMAKE_CROSSCOMPILING
   OR KESTRO_FUZZ)
  return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${KESTRO_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g|ffile-prefix-map=)")
  set(hardening_${kind} ${flags})
endforeach()
# Fortifying works only in an optimised build; an unoptimised one would just warn.
foreach(flag IN LISTS hardening_CPPFLAGS)
  if(flag MATCHES "^-D_FORTIFY_SOURCE")
    add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${flag}>")
  else()
    add_compile_options(${flag})
  endif()
endforeach()
add_compile_options(${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
message(STATUS "Hardening flags: ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS}")
