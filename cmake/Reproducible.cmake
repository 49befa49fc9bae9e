# Two builds of one commit give the same programs, byte for byte, wherever they are built.
#
# No folder of the build ends up in a program: the paths the compiler records (in __FILE__,
# in debug information) are made relative to the source and the build folder.
#
# The link time stamp in a program's file header is the time of the commit it was built from:
# TSETUP_SOURCE_DATE_EPOCH (seconds since 1970, which scripts/build.sh takes from the commit)
# is handed to the linker as SOURCE_DATE_EPOCH. The stamp file below changes with it, so that
# a new value links the programs again even when no source changed.
set(TSETUP_SOURCE_DATE_EPOCH "0" CACHE STRING
    "Link time stamp of the programs, in seconds since 1970 (scripts/build.sh: the commit's time)")
if(NOT TSETUP_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "TSETUP_SOURCE_DATE_EPOCH must be a number of seconds, not "
                        "'${TSETUP_SOURCE_DATE_EPOCH}'")
endif()

add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>"
                    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>")

set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TSETUP_SOURCE_DATE_EPOCH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_C_LINKER_LAUNCHER})
set(TSETUP_SOURCE_DATE_STAMP ${CMAKE_BINARY_DIR}/source-date-epoch.txt)
file(CONFIGURE OUTPUT ${TSETUP_SOURCE_DATE_STAMP} CONTENT "${TSETUP_SOURCE_DATE_EPOCH}\n")

# tsetup_link_stamp(TARGET): the target is linked again when the time stamp changes.
function(tsetup_link_stamp target)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TSETUP_SOURCE_DATE_STAMP})
endfunction()
