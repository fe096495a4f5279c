# cmake -DBUILD_DIR=... -DCPACK=... -DOUT_DIR=... -DDEB=... -DAPP_ID=... -DKIVRA_DIR=... -DWITH_CLI=0|1 -P CheckPackage.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0 OR NOT EXISTS ${DEB})
    message(FATAL_ERROR "cpack did not make ${DEB} (${rc}):\n${log}")
endif()

# Regular files and links, without the leading "./"; directories are left out.
execute_process(COMMAND dpkg-deb --contents ${DEB} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot read ${DEB}")
endif()
string(REGEX MATCHALL "[-l][^\n]* \\./[^\n]*[^/]\n" entries "${listing}")
set(files)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^.* \\./([^ ]*).*\n$" "\\1" path "${entry}")
    list(APPEND files ${path})
endforeach()
list(SORT files)
message(STATUS "package contents:\n${listing}")

set(expected
    usr/bin/orvane
    usr/bin/kivra-simulator
    usr/${KIVRA_DIR}/libkivra.so
    usr/share/applications/${APP_ID}.desktop
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/man/man1/orvane.1.gz
    usr/share/man/man1/kivra-simulator.1.gz
    usr/share/doc/orvane/copyright
    usr/share/doc/orvane/changelog.gz)
if(WITH_CLI)
    list(APPEND expected usr/bin/orvane-cli usr/share/man/man1/orvane-cli.1.gz)
endif()
list(SORT expected)
if(NOT files STREQUAL expected)
    string(REPLACE ";" "\n  " files "${files}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "the package holds\n  ${files}\ninstead of\n  ${expected}")
endif()

# dpkg-shlibdeps found what the programs link; the plugins they load are named by hand.
execute_process(COMMAND dpkg-deb --field ${DEB} Depends OUTPUT_VARIABLE depends)
message(STATUS "Depends: ${depends}")
foreach(package libc6 libqt6widgets6 libqt6printsupport6 libsqlite3-0 libqt6svg6 qt6-qpa-plugins)
    if(NOT depends MATCHES "(^|, )${package}( |,|\n|$)")
        message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
    endif()
endforeach()
