# `cpack` in the build folder packs what `cmake --install` installs: on Linux a Debian package, on
# Windows a ZIP of the two programs and an installer.
set(CPACK_PACKAGE_NAME bazelot)
set(CPACK_PACKAGE_VENDOR "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian's tools show the description's lines as they are: under 80 characters each.
set(CPACK_PACKAGE_DESCRIPTION
    "Bazelot converts a whole number from 0 to 2147483647 between decimal,\n\
binary, octal and hexadecimal, in a Russian and an English window. The\n\
package holds two builds of the same program, prjBazelot and КВАРЗЕЛ (the\n\
command kvarzel).")

# cpack reads this file first. Packing takes its times from SOURCE_DATE_EPOCH, as the build did, and
# writes the ZIP's local times in UTC, whatever the packer's time zone.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/BazelotCPackOptions.cmake)
set(cpack_options "set(ENV{SOURCE_DATE_EPOCH} ${BAZELOT_SOURCE_DATE_EPOCH})\nset(ENV{TZ} UTC)\n")
# Every file and folder staged for packing gets that time (the DEB generator sets it itself; the ZIP
# keeps the staged files' times); a .deb's members get modes of their own, not the umask's.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/BazelotCPackReproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/BazelotCPackReproducible.cmake)

if(WIN32)
    file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT "${cpack_options}")
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
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BAZELOT_COMPANY_NAME} <${BAZELOT_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in the Russian window come from Qt's translations, which no executable links against;
# CPackDeb adds the computed dependencies to this one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# Qt reaches a Wayland desktop through this plugin; without it, and without XWayland, the programs stop
# at start for want of a platform.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

# What every Debian package carries in its documentation folder: the copyright (machine-readable) and,
# for a package made here rather than from a Debian source package, its own changelog, compressed.
set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(changelog ${PROJECT_BINARY_DIR}/changelog)
configure_file(${PROJECT_SOURCE_DIR}/app/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9nkf ${changelog}
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(bazelot_changelog ALL DEPENDS ${changelog}.gz)
configure_file(${PROJECT_SOURCE_DIR}/app/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${changelog}.gz DESTINATION ${doc})

# Only packing needs dpkg-shlibdeps and the program file (CPackDeb's search for executables), so
# building and running do without them; cpack reads this file first and says what is missing.
find_program(BAZELOT_FILE_COMMAND file)
find_program(BAZELOT_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT BAZELOT_FILE_COMMAND OR NOT BAZELOT_DPKG_SHLIBDEPS)
    string(APPEND cpack_options "message(FATAL_ERROR \"Packing needs dpkg-dev and file: scripts/setup.sh package\")\n")
endif()
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT "${cpack_options}")

include(CPack)
