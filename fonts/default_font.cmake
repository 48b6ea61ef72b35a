# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cellaro's default font, Liberation Sans Regular, taken from the installed
# Debian package fonts-liberation2 and built into the binaries as a Qt
# resource (:/cellaro/fonts/LiberationSans-Regular.ttf), so the pictures
# do not depend on the fonts of the machine they are drawn on.
set(CELLARO_DEFAULT_FONT_FILE /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    CACHE FILEPATH "Liberation Sans Regular, built into Cellaro as its default font")
if(NOT EXISTS "${CELLARO_DEFAULT_FONT_FILE}")
  message(FATAL_ERROR "Cellaro's default font ${CELLARO_DEFAULT_FONT_FILE} is missing: "
                      "install the Debian package fonts-liberation2 (scripts/setup.sh lists it), "
                      "or point CELLARO_DEFAULT_FONT_FILE at LiberationSans-Regular.ttf.")
endif()

# Adds the font to `target` as a resource.
function(cellaro_embed_default_font target)
  set_source_files_properties(${CELLARO_DEFAULT_FONT_FILE}
    PROPERTIES QT_RESOURCE_ALIAS LiberationSans-Regular.ttf)
  qt_add_resources(${target} cellaro_default_font
    PREFIX /cellaro/fonts
    FILES ${CELLARO_DEFAULT_FONT_FILE})
endfunction()

# The font's licence travels with the program.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/LiberationSans-LICENSE.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cellaro)
