# The Debian package: `cpack -G DEB` (or the `package` target) in a Release
# build folder makes torvaly-puzzle_<version>-<release>_<arch>.deb there.
#
# The package holds what `cmake --install` installs under /usr, stripped, and
# the two files Debian asks of every package in /usr/share/doc/torvaly-puzzle:
# copyright and changelog.Debian.gz, which packaging/AddDebianDocs.cmake adds
# to the staging folder so that a plain `cmake --install` leaves them out.

set(TORVALY_PACKAGE_MAINTAINER "TorvalyPuzzle maintainers <torvalypuzzle@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvaly-puzzle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TorvalyPuzzle")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Debian's synopsis: no package name, no final full stop, under 80 columns.
# Each line of the long description stays under 80 columns too.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver of a twelve-traveller river crossing puzzle")
set(CPACK_PACKAGE_DESCRIPTION [[
Twelve travellers must cross from the start side to the far side in trips of
one or two. Five of them can operate a trip, and fixed safety rules say who
may not be left together without whom. TorvalyPuzzle searches every sequence
of trips, depth first, and finds the shortest one: 23 trips, or 11.5 round
trips.

This package holds the dialog program torvaly-puzzle, which shows the
search's progress and its best sequence as a table (its texts are Japanese),
pictures it step by step and lets you play the crossing yourself, and the
command-line tool torvaly-solve, which runs the same search and prints the
result as text. Other puzzles of the same kind, stated in TOML files, are
solved exactly, played and checked the same way; eight classics are
included. A web page in /usr/share/torvaly-puzzle/web plays them in a
browser, from the file itself, with links to any puzzle and position.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TORVALY_PACKAGE_MAINTAINER}")
# Not "games": Debian keeps the programs of that section in /usr/games (lintian
# errs on a games package with programs in /usr/bin), while these install in
# GNUInstallDirs' bin folder, where scripts find torvaly-solve on any PATH.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries' packages (libc6, libstdc++6, Qt 6);
# the dialog's look needs the IPA P Gothic font besides, and the crossing
# view draws the travellers' looks in the colour emoji font. Recommended:
# on a Wayland session Qt draws natively only with its Wayland plugin, and
# Qt's own words (the file dialog, the message boxes' buttons) are in the
# desktop's language only with Qt's translations; without either the
# program still works in full, so neither is a dependency.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

find_program(TORVALY_DPKG dpkg)
if(TORVALY_DPKG)
  execute_process(
    COMMAND ${TORVALY_DPKG} --print-architecture
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY
  )
endif()

# Read by packaging/AddDebianDocs.cmake, which CPack runs with only the
# CPACK_ variables of this configuration.
set(CPACK_TORVALY_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/RequireDebianTools.cmake
                             ${PROJECT_SOURCE_DIR}/packaging/AddDebianDocs.cmake)

include(CPack)
