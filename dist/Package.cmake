# The Debian package: everything the install rules put in place, under /usr, with the
# shared libraries the programs need found by dpkg-shlibdeps. scripts/package.sh
# builds it from a tree configured with the prefix /usr, so that the library folder
# is lib/<multiarch>. No maintainer scripts: Debian's triggers refresh the desktop,
# icon and manual page caches, and Kivra, being private, needs no ldconfig.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Melvex400 Orvane developers")
set(CPACK_PACKAGE_CONTACT "Melvex400 Orvane developers <orvane@melvex400.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked, so dpkg-shlibdeps cannot see them: the SVG
# pictures of the toolbar and the navigation bar, and the window system's platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel database editor for the Melvex400 satellite receiver")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Melvex400 Orvane edits the receiver's channel database: its satellites
and transponders, LNB and DiSEqC settings, channels, providers and favourite
groups. The receiver's file is never edited in place; changes go into a
working copy and reach the file when you save.

The package holds the editor, orvane-cli for scripted checks and edits, Kivra
(the library through which both reach the receiver over USB) and
kivra-simulator, a stand-in receiver for trying the transfer without hardware.")

include(CPack)
