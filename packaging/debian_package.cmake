# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build tree writes
# cellaro_<version>_<arch>.deb with what the install rules put under /usr.
# The package version is the project's first three numbers (1.0.0.0 gives
# 1.0.0); the fourth has never been anything but 0.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cellaro)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_VENDOR "The Cellaro developers")
set(CPACK_PACKAGE_CONTACT "The Cellaro developers <developers@cellaro.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour grid of labelled counts, on screen or as PNG/SVG")
# CPack strips the last line of the long description: it ends in a line
# feed so that the last line is an empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Cellaro turns a text list of lines, each a label and a count, into a
colour grid: one cell per line whose count reaches a minimum, hotter as the
count nears the largest one, in eight colour schemes. Small lists show each
cell's label, count and share; a list of 1296 lines is drawn as a 36 x 36
letter-pair matrix.

The package holds three programs:
 * cellaro, the window with the list, the threshold, the scheme selector
   and the grid;
 * cellaro-render, the same picture without a display, written as PNG or
   SVG, or its drawing operations as text;
 * cellaro-count, which counts the letters, or pairs of letters, of
   Albanian texts and writes them as a list Cellaro shows.
")

set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://cellaro.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps names the libraries the programs link, and nothing else.
# The toolkit's X11 and offscreen platform plugins come with
# its Gui library, and the default font is built in, so nothing more is
# needed; glyphs the font lacks come from whatever fonts the system has.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders as Debian wants them whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
