# The Debian package: cpack -G DEB (or the package target) in the build directory.

# The package's maintainer is whoever builds and hands it out. The default names the project with
# a local address, as a package built on this machine has no public contact; a build that is
# published sets its own, e.g. -DTAVRIN_PACKAGE_MAINTAINER="Tavrin project <name@domain>".
set(TAVRIN_PACKAGE_MAINTAINER "Tavrin maintainers <tavrin@localhost>"
    CACHE STRING "Maintainer field of the Debian package, as Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Brindlecote Software Development")
set(CPACK_PACKAGE_CONTACT "${TAVRIN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tool for writing C++ classes")
set(CPACK_PACKAGE_DESCRIPTION "Tavrin creates the header and source skeleton of a C++ class and \
adds data members, member functions, operators and copy constructors to it through small dialogs. \
Each class is one window with its header above its source; classes are saved and opened as \
.h/.cpp pairs.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavrin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRIN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The dependencies are the runtime packages of the libraries the program links (Qt).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
