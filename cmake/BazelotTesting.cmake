# bazelot_add_test(NAME <name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one Qt Test executable and registers it with CTest on the offscreen platform, so the
# suite runs headless and the same way on every machine.
function(bazelot_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        TIMEOUT 300)
endfunction()

# Tools that only tests use are optional: where one is missing, the tests that need it are left out, and
# tests/CMakeLists.txt names all that is missing in one message.
# bazelot_find_test_tool(<variable> <program> <package> <set-up purpose>)
function(bazelot_find_test_tool variable program package purpose)
    find_program(${variable} ${program})
    if(NOT ${variable})
        set_property(GLOBAL APPEND PROPERTY BAZELOT_MISSING_PACKAGES ${package})
        set_property(GLOBAL APPEND PROPERTY BAZELOT_MISSING_PURPOSES ${purpose})
    endif()
endfunction()

# The suites without a toolkit (engine, registry layer) use doctest, which is header-only: the host's
# header serves a cross-build too, hence the search outside any find root. It is copied into the build
# folder, since its own folder (/usr/include) on a cross-compiler's path would hide the target's headers.
find_path(BAZELOT_DOCTEST_INCLUDE_DIR doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT BAZELOT_DOCTEST_INCLUDE_DIR)
    set_property(GLOBAL APPEND PROPERTY BAZELOT_MISSING_PACKAGES doctest-dev)
    if(WIN32)
        set_property(GLOBAL APPEND PROPERTY BAZELOT_MISSING_PURPOSES wine)
    else()
        set_property(GLOBAL APPEND PROPERTY BAZELOT_MISSING_PURPOSES test)
    endif()
    return()
endif()
configure_file(${BAZELOT_DOCTEST_INCLUDE_DIR}/doctest/doctest.h
    ${PROJECT_BINARY_DIR}/doctest/include/doctest/doctest.h COPYONLY)

add_library(bazelot_doctest INTERFACE)
# SYSTEM keeps the header's own warnings out of the -Wall -Wextra build.
target_include_directories(bazelot_doctest SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/doctest/include)

# The one main() every doctest suite shares, compiled once.
add_library(bazelot_test_main STATIC ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp)
target_link_libraries(bazelot_test_main PUBLIC bazelot_doctest)
target_compile_features(bazelot_test_main PUBLIC cxx_std_20)
set_target_properties(bazelot_test_main PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

# bazelot_add_unit_test(NAME <name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one doctest executable without Qt and registers it with CTest; a cross-build runs it through
# CMAKE_CROSSCOMPILING_EMULATOR.
function(bazelot_add_unit_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE bazelot_test_main ${ARG_LIBRARIES})
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
    set_target_properties(${ARG_NAME} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 300)
    if(WIN32)
        # Under Wine: in the server that tests/windows keeps up for the whole run.
        set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()
