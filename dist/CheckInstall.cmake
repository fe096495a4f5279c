# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DBINDIR=... -DKIVRA_DIR=... -DDATADIR=... -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

foreach(path
        ${BINDIR}/orvane
        ${BINDIR}/orvane-cli
        ${KIVRA_DIR}/libkivra.so
        ${DATADIR}/applications/${APP_ID}.desktop
        ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
        ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The launcher starts the installed program by name and shows the installed icon.
file(STRINGS ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop entries)
foreach(expected "Exec=orvane %f" "Icon=${APP_ID}")
    if(NOT expected IN_LIST entries)
        message(FATAL_ERROR "the .desktop file lacks \"${expected}\"")
    endif()
endforeach()

# Both programs must load the Kivra installed beside them, not the one in the build tree.
file(REAL_PATH ${PREFIX}/${KIVRA_DIR}/libkivra.so installed)
foreach(program orvane orvane-cli)
    execute_process(COMMAND ldd ${PREFIX}/${BINDIR}/${program} OUTPUT_VARIABLE libs RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "ldd failed on the installed ${program}")
    endif()
    string(REGEX MATCH "libkivra\\.so => [^ ]+" kivra "${libs}")
    string(REPLACE "libkivra.so => " "" found "${kivra}")
    if(found STREQUAL "")
        message(FATAL_ERROR "the installed ${program} does not find libkivra.so:\n${libs}")
    endif()
    file(REAL_PATH ${found} found)
    if(NOT found STREQUAL installed)
        message(FATAL_ERROR "the installed ${program} loads ${found} instead of ${installed}")
    endif()
endforeach()

# The installed command-line tool runs.
execute_process(COMMAND ${PREFIX}/${BINDIR}/orvane-cli --version OUTPUT_VARIABLE version RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT version STREQUAL "orvane-cli 1.0\n")
    message(FATAL_ERROR "the installed orvane-cli --version gave ${rc}: ${version}")
endif()
file(REMOVE_RECURSE ${PREFIX})
