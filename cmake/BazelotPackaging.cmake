# `cpack` in the build folder packs what `cmake --install` installs: on Linux a Debian package, on
# Windows a ZIP of the two programs and an installer.
set(CPACK_PACKAGE_NAME bazelot)
set(CPACK_PACKAGE_VENDOR "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Bazelot converts a whole number from 0 to 2147483647 between decimal, binary, octal and\n\
hexadecimal, in a Russian and an English window. The package holds two builds of the same\n\
program, prjBazelot and КВАРЗЕЛ.")

if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    # Kept apart too: CPack's module changes its own variable when it writes the source package's set-up.
    set(BAZELOT_WINDOWS_PACKAGE "Bazelot-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_FILE_NAME ${BAZELOT_WINDOWS_PACKAGE})
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Bazelot)
    set(CPACK_STRIP_FILES ON)

    # A 64-bit installer (our copy of CPack's template says so) into the 64-bit Program Files, with a
    # Start-menu folder holding each program under its menu name from the deliverables' table, and an
    # uninstaller that Windows lists under installed programs.
    list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME Bazelot)
    set(CPACK_NSIS_DISPLAY_NAME Bazelot)
    get_property(start_menu GLOBAL PROPERTY BAZELOT_START_MENU)
    set(CPACK_PACKAGE_EXECUTABLES ${start_menu})
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALLED_ICON_NAME prjBazelot.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/app/bazelot.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/app/bazelot.ico)
    set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
    # The installer's own version information (our template writes it): NSIS wants four numbers.
    math(EXPR major "${PROJECT_VERSION_MAJOR}")
    math(EXPR minor "${PROJECT_VERSION_MINOR}")
    set(CPACK_BAZELOT_VERSION_QUAD "${major}.${minor}.0.0")
    set(CPACK_BAZELOT_INSTALLER_DESCRIPTION "Bazelot ${PROJECT_VERSION} installer")
    include(CPack)
    return()
endif()

# The Debian package's dependencies on libraries are computed from the executables by dpkg-shlibdeps
# (Debian's dpkg-dev), never listed by hand, so they follow whatever Qt the package was built against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in the Russian window come from Qt's translations, which no executable links against;
# CPackDeb adds the computed dependencies to this one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

# CPackDeb finds the executables to hand to dpkg-shlibdeps by running `file` under LC_ALL=C, which
# prints a non-ASCII name such as КВАРЗЕЛ as octal escapes that name no file. With --raw it prints the
# name as it is. CPack reads this file just before it packs, where CPackDeb's own search for `file`
# then finds the variable already set. Only packing needs `file`, so building and running do without it.
find_program(BAZELOT_FILE_COMMAND file)
if(BAZELOT_FILE_COMMAND)
    set(cpack_options "set(FILE_EXECUTABLE \"${BAZELOT_FILE_COMMAND};--raw\")")
else()
    set(cpack_options "message(FATAL_ERROR \"Packing needs the program file: scripts/setup.sh test\")")
endif()
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/BazelotCPackOptions.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT "${cpack_options}\n")

include(CPack)
