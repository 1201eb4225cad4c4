# Two builds of one commit give the same bytes, whatever their folder, umask or time zone: the programs,
# the Debian package, the Windows programs, their ZIP and their installer (scripts/reproducible.sh
# checks it).
#
# Every time stamp that a build writes is SOURCE_DATE_EPOCH, as reproducible builds agree: the variable
# when it is set at configure time, otherwise the time of the last commit, otherwise that of this file's
# project (a source tree without git).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(BAZELOT_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE BAZELOT_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE git_status ERROR_QUIET)
    endif()
    if(NOT GIT_FOUND OR NOT git_status EQUAL 0)
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt BAZELOT_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()
if(NOT BAZELOT_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is a count of seconds; it is \"${BAZELOT_SOURCE_DATE_EPOCH}\"")
endif()

# No build folder in the programs: debug information and __FILE__ name the sources from the project's
# root. A build folder outside the sources is named build/.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>)
cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${PROJECT_BINARY_DIR} binary_inside)
if(NOT binary_inside)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)
endif()

# The linker stamps a Windows program with SOURCE_DATE_EPOCH (GNU ld reads it) instead of the time of
# the link.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${BAZELOT_SOURCE_DATE_EPOCH})

# Folders that an installation or a package makes get these modes under any umask; each file's mode is
# already set by its install rule.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
