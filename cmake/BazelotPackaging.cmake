# `cpack` in the build folder makes a Debian package of what `cmake --install` installs. Its
# dependencies are computed from the executables by dpkg-shlibdeps (Debian's dpkg-dev), never listed
# by hand, so they follow whatever Qt the package was built against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bazelot)
set(CPACK_PACKAGE_VENDOR "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${BAZELOT_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Bazelot converts a whole number from 0 to 2147483647 between decimal, binary, octal and\n\
hexadecimal, in a Russian and an English window. The package holds two builds of the same\n\
program, prjBazelot and КВАРЗЕЛ.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

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
