# bazelot_add_unit_test(NAME <name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one doctest suite of the toolkit-free layers and registers it with CTest. It needs no Qt, so
# the same suite runs on Linux and, cross-built, under Wine.
find_path(BAZELOT_DOCTEST_INCLUDE_DIR doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT BAZELOT_DOCTEST_INCLUDE_DIR)
    message(FATAL_ERROR "doctest/doctest.h not found: install the package doctest-dev (scripts/setup.sh)")
endif()
set(doctest_include_dir ${BAZELOT_DOCTEST_INCLUDE_DIR})
if(CMAKE_CROSSCOMPILING)
    # /usr/include as a whole would hand the host's C library headers to the cross-compiler: it gets a
    # folder holding doctest's alone.
    set(doctest_include_dir ${PROJECT_BINARY_DIR}/doctest-include)
    file(MAKE_DIRECTORY ${doctest_include_dir})
    file(CREATE_LINK ${BAZELOT_DOCTEST_INCLUDE_DIR}/doctest ${doctest_include_dir}/doctest SYMBOLIC)
endif()
add_library(bazelot_doctest INTERFACE)
target_include_directories(bazelot_doctest SYSTEM INTERFACE ${doctest_include_dir})
add_library(bazelot_test_main STATIC ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp)
target_link_libraries(bazelot_test_main PUBLIC bazelot_doctest)
target_include_directories(bazelot_test_main PUBLIC ${PROJECT_SOURCE_DIR})
set_target_properties(bazelot_test_main PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

function(bazelot_add_unit_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE bazelot_test_main ${ARG_LIBRARIES})
    set_target_properties(${ARG_NAME} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 300)
    if(WIN32)
        # Cross-built, it runs under Wine: in the server that tests/windows keeps up for the run.
        set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()

# bazelot_add_test(NAME <name> SOURCES <files...> LIBRARIES <targets...>)
# Builds one Qt Test executable and registers it with CTest on the offscreen platform, so the
# suite runs headless and the same way on every machine.
function(bazelot_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    # TEMPORARY: Qt Test suites not yet ported to doctest are left out of a build without Qt.
    if(NOT TARGET Qt6::Test)
        return()
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        TIMEOUT 300)
endfunction()
