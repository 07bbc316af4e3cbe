# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=... -DSOURCES=a;b -DCATALOGUES=x.ts;y.ts -DSCRATCH=dir -P CheckTranslations.cmake
# Runs lupdate over the sources into copies of the catalogues and fails when a copy changed:
# a text was added, changed or dropped without the catalogues being brought up to date
# (cmake --build build --target update_translations).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(copies)
foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name ${catalogue} NAME)
  file(COPY ${catalogue} DESTINATION ${SCRATCH})
  list(APPEND copies ${SCRATCH}/${name})
endforeach()
string(REPLACE ";" "\n" listed "${SOURCES}")
file(WRITE ${SCRATCH}/sources.lst "${listed}\n")
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SCRATCH}/sources.lst -ts ${copies}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()
foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name ${catalogue} NAME)
  file(READ ${catalogue} before)
  file(READ ${SCRATCH}/${name} after)
  if(NOT before STREQUAL after)
    message(FATAL_ERROR "${name} is not up to date with the texts in the sources: "
                        "cmake --build build --target update_translations, then translate")
  endif()
endforeach()
message(STATUS "the catalogues hold every text of the sources")
