# What the deliverables say about themselves, kept in one place: the Windows version resource, the names
# and version that Qt reports, the desktop entries and the package are all generated from these values
# and from the table of deliverables in app/CMakeLists.txt. The version is the project's ("1.00").
include(GNUInstallDirs)

set(BAZELOT_COMPANY_NAME "Bazelot")
# Both builds carry this title; message boxes without a caption of their own show it.
set(BAZELOT_APPLICATION_TITLE "prjBazelot")
set(BAZELOT_ICON_NAME "bazelot")
# The project's site (a placeholder domain) and, written backwards, the software centres' id of the package.
set(BAZELOT_HOMEPAGE "https://bazelot.example.org/")
set(BAZELOT_METAINFO_ID "org.example.bazelot")
# Where the package's maintainers are reached.
set(BAZELOT_CONTACT "maintainers@bazelot.example.org")
set(BAZELOT_COMMENT "Converts whole numbers between decimal, binary, octal and hexadecimal")
set(BAZELOT_COMMENT_RU "Программа для перевода чисел в разные системы счисления")

# bazelot_add_deliverable(<target> FILE_NAME <name> PRODUCT_NAME <name> INTERNAL_NAME <name>
#                         DESCRIPTION <text> [STRING_TABLE <block>] MENU_NAME <English>
#                         MENU_NAME_RU <Russian> LIBRARIES <targets...>)
# Adds one executable named FILE_NAME, with its version resource (compiled in on Windows), its desktop
# entry and their install rules. The generated resource script and desktop entry are recorded in the
# target properties BAZELOT_VERSION_RC and BAZELOT_DESKTOP_ENTRY for the tests. STRING_TABLE names the
# language and code page of the version texts as Windows writes them, four hexadecimal digits each
# (default 040904b0: US English, UTF-16).
function(bazelot_add_deliverable target)
    cmake_parse_arguments(ARG ""
        "FILE_NAME;PRODUCT_NAME;INTERNAL_NAME;DESCRIPTION;STRING_TABLE;MENU_NAME;MENU_NAME_RU" "LIBRARIES" ${ARGN})

    string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" version_ok "${PROJECT_VERSION}")
    if(NOT version_ok)
        message(FATAL_ERROR "The version must read MAJOR.MINOR, as 1.00; it is ${PROJECT_VERSION}")
    endif()
    math(EXPR VERSION_MAJOR "${CMAKE_MATCH_1}")
    math(EXPR VERSION_MINOR "${CMAKE_MATCH_2}")
    set(VERSION_TEXT "${PROJECT_VERSION}")

    # A resource script doubles a quote inside a string.
    foreach(field FILE_NAME PRODUCT_NAME INTERNAL_NAME DESCRIPTION)
        string(REPLACE "\"" "\"\"" RC_${field} "${ARG_${field}}")
    endforeach()
    string(REPLACE "\"" "\"\"" RC_COMPANY_NAME "${BAZELOT_COMPANY_NAME}")
    if(NOT ARG_STRING_TABLE)
        set(ARG_STRING_TABLE 040904b0)
    endif()
    if(NOT ARG_STRING_TABLE MATCHES "^([0-9a-f][0-9a-f][0-9a-f][0-9a-f])([0-9a-f][0-9a-f][0-9a-f][0-9a-f])$")
        message(FATAL_ERROR "STRING_TABLE is a language and a code page in hexadecimal, as 040904b0")
    endif()
    set(RC_STRING_TABLE ${ARG_STRING_TABLE})
    math(EXPR RC_LANGUAGE "0x${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR RC_CODE_PAGE "0x${CMAKE_MATCH_2}")

    # On Linux the program is the command of the target's ASCII name (kvarzel for КВАРЗЕЛ), as Debian
    # wants of the commands on PATH; its desktop entry, window class and manual page go by that name too.
    set(COMMAND_NAME "${target}")
    set(DESKTOP_FILE_NAME "${target}")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}")
    configure_file(${PROJECT_SOURCE_DIR}/app/versioninfo.rc.in ${generated}.rc @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/app/deliverable.desktop.in ${generated}.desktop @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/app/thisDeliverable.cpp.in ${generated}_deliverable.cpp @ONLY)

    add_executable(${target} ${generated}_deliverable.cpp)
    set_target_properties(${target} PROPERTIES
        # It loads only system libraries, so the installed file needs no run path (Qt's project set-up
        # would give it $ORIGIN/../lib, which Debian packages should not carry).
        INSTALL_RPATH ""
        BAZELOT_VERSION_RC ${generated}.rc
        BAZELOT_DESKTOP_ENTRY ${generated}.desktop)
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
    if(WIN32)
        # Its version information, and the icon and manifest that every deliverable shares
        # (BAZELOT_WINDOWS_RC, set where the icon is made). Both go to the top of the installation.
        target_sources(${target} PRIVATE ${generated}.rc ${BAZELOT_WINDOWS_RC})
        set_target_properties(${target} PROPERTIES OUTPUT_NAME "${ARG_FILE_NAME}")
        install(TARGETS ${target} RUNTIME DESTINATION .)
        set_property(GLOBAL APPEND PROPERTY BAZELOT_START_MENU "${ARG_FILE_NAME}" "${ARG_MENU_NAME}")
    else()
        # Every symbol bound at start, so that the relocation table can be read-only from then on
        # (lintian's hardening-no-bindnow); scripts/bench.sh shows no cost at start.
        target_link_options(${target} PRIVATE LINKER:-z,now)
        install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${generated}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        # Its manual page, compressed as Debian's do (-n: no name or time stamp, the same bytes each build).
        string(TOUPPER "${COMMAND_NAME}" MAN_TITLE)
        set(man ${CMAKE_CURRENT_BINARY_DIR}/man/${COMMAND_NAME}.1)
        configure_file(${PROJECT_SOURCE_DIR}/app/deliverable.1.in ${man} @ONLY)
        add_custom_command(OUTPUT ${man}.gz
            COMMAND gzip -9nkf ${man}
            DEPENDS ${man}
            VERBATIM)
        # Built with the program.
        target_sources(${target} PRIVATE ${man}.gz)
        install(FILES ${man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endfunction()
