# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
# Run by cpack between the installation into its staging folder and the packing: the
# command moves from /usr/bin to /usr/games, where Debian keeps the commands of games
# (the package's section is games). Its symlink target, ../libexec/tappon/tappon, is
# as valid from there.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
if(NOT IS_SYMLINK "${usr}/bin/tappon")
    message(FATAL_ERROR "${usr}/bin/tappon is not the installed command")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/tappon" "${usr}/games/tappon")
file(GLOB left "${usr}/bin/*")
if(NOT left)
    file(REMOVE_RECURSE "${usr}/bin")
endif()
