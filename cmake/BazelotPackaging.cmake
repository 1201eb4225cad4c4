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
include(CPack)
