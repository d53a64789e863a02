# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --build build --target package` (or `cpack` in build/) makes a Debian package of
# everything `cmake --install` installs, into /usr, with stripped programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tabulon developers")
set(CPACK_PACKAGE_CONTACT "Tabulon developers <tabulon@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two NASA seven-coefficient thermo databases")
set(CPACK_PACKAGE_DESCRIPTION
  "Tabulon opens two thermo databases of NASA seven-coefficient polynomials side by side, \
shows each species' coefficients with its heat capacity, enthalpy and entropy, and compares \
the two databases in two text reports. tabulon-batch does the same from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/tabulon/")
# The libraries the programs link to (Qt, the C++ library) become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TABULON_BUILD_GUI)
  # Qt loads its platform plugins (X11, Wayland) at run time, so no library names them; without
  # them the window cannot start. The window's captions are measured for Liberation Sans.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
endif()
include(CPack)
