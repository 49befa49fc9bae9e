# The program's version has one home, project(VERSION) in CMakeLists.txt. The version resource
# and the manifest take it from the files made here, and scripts/release.sh names the release
# after version.txt in the build folder.
set(TSETUP_VERSION_TEXT
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(REPLACE "." "," TSETUP_VERSION_NUMBERS "${TSETUP_VERSION_TEXT}")
set(TSETUP_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

file(CONFIGURE OUTPUT ${TSETUP_GENERATED_DIR}/TSetupVersion.h @ONLY CONTENT
"// Made by CMake from project(VERSION) in CMakeLists.txt.
#pragma once
#define TSETUP_VERSION_NUMBERS @TSETUP_VERSION_NUMBERS@
#define TSETUP_VERSION_TEXT \"@TSETUP_VERSION_TEXT@\"
")
configure_file(${CMAKE_SOURCE_DIR}/res/TSetup.manifest.in ${TSETUP_GENERATED_DIR}/TSetup.manifest
               @ONLY)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "${PROJECT_VERSION}\n")

set(TSETUP_GENERATED_RESOURCES ${TSETUP_GENERATED_DIR}/TSetupVersion.h
                               ${TSETUP_GENERATED_DIR}/TSetup.manifest)
