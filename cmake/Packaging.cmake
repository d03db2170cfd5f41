# What a Linux desktop expects of Mezura beyond its two programs: a menu
# entry, an icon, AppStream metadata, man pages and shell completion, and the
# description of the Debian package `cpack -G DEB` builds from all of it.
#
# Every file carries the one application id below: the desktop entry is
# <id>.desktop, the icon <id>.svg, the metainfo <id>.metainfo.xml.

set(MEZURA_APP_ID org.example.Mezura)
set(mezura_res ${PROJECT_SOURCE_DIR}/res)

# --- Bash completion -------------------------------------------------------
# Where bash-completion looks, relative to its own prefix so that any install
# prefix works (bash-completion also searches <prefix>/share of every
# XDG_DATA_DIRS entry and next to the program).
set(mezura_completion_dir ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  execute_process(
    COMMAND ${PKG_CONFIG_EXECUTABLE} --variable=prefix bash-completion
    OUTPUT_VARIABLE bc_prefix OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(
    COMMAND ${PKG_CONFIG_EXECUTABLE} --variable=completionsdir bash-completion
    OUTPUT_VARIABLE bc_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(bc_prefix AND bc_dir MATCHES "^${bc_prefix}/(.+)$")
    set(mezura_completion_dir ${CMAKE_MATCH_1})
  endif()
endif()
set(MEZURA_BASH_COMPLETION_DIR ${mezura_completion_dir} CACHE STRING
    "Folder for the bash completion, relative to the install prefix")
install(FILES ${mezura_res}/completion/mezura-convert
        DESTINATION ${MEZURA_BASH_COMPLETION_DIR})

# --- Man pages, compressed as Debian ships them ----------------------------
set(mezura_man_pages mezura-convert)
if(TARGET mezura)
  list(APPEND mezura_man_pages mezura)
endif()
set(mezura_man_outputs)
foreach(page IN LISTS mezura_man_pages)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
  # -n leaves the name and time out, so the same page gives the same bytes.
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${mezura_res}/man/${page}.1 ${out}
    DEPENDS ${mezura_res}/man/${page}.1
    COMMENT "Compressing man page ${page}(1)"
    VERBATIM)
  list(APPEND mezura_man_outputs ${out})
endforeach()
add_custom_target(mezura_man_pages ALL DEPENDS ${mezura_man_outputs})
install(FILES ${mezura_man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- The window's desktop entry, icon and metainfo ---------------------------
# (the programs install themselves, from app/ and cli/; the search service
# and its three desktop files from search/)
if(TARGET mezura)
  install(FILES ${mezura_res}/desktop/${MEZURA_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${mezura_res}/desktop/${MEZURA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(FILES ${mezura_res}/icons/mezura.svg
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
          RENAME ${MEZURA_APP_ID}.svg)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/mezura
        RENAME copyright)

# --- The Debian package ------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mezura)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mezura developers")
set(CPACK_PACKAGE_CONTACT "The Mezura developers <mezura@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://example.org/mezura)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The synopsis, then the description as Debian shows it: lines kept short,
# an empty line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for the desktop and the command line")
set(CPACK_PACKAGE_DESCRIPTION [[
Mezura is a small window for converting values between units. Pick a
quantity such as Distance, Pressure or Temperature, an input and an output
unit, and type a number: the converted value appears at once.

It carries 26 categories with 347 units, takes up to five custom categories
and ten custom units per category, and writes results in automatic,
scientific or fixed notation.

The package also holds mezura-convert, the same converter for scripts, with
a batch mode and bash completion, and answers conversions such as
"5 km to mi" in GNOME Shell's and KDE's KRunner search.]])

# The package file and the staged tree use Debian's names:
# mezura_4.0.0_amd64.deb installing under /usr.
find_program(MEZURA_DPKG dpkg)
if(MEZURA_DPKG)
  execute_process(COMMAND ${MEZURA_DPKG} --print-architecture
                  OUTPUT_VARIABLE mezura_deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
  set(mezura_deb_arch ${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${mezura_deb_arch})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Mezura developers <mezura@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out by dpkg-shlibdeps from the libraries the programs
# link, so it follows whatever the build really uses.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# On a Wayland session Qt needs its Wayland plug-in to open a native window;
# without it the window falls back to XWayland, so it is recommended only.
# Qt's own texts (shortcut names, a field's context menu) follow the
# language only where Qt's catalogues are installed.
# The currencies' names come from iso-codes; without it they are listed by
# their codes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "iso-codes")
if(TARGET mezura)
  string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-wayland, qt6-translations-l10n")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# `make package_source`: the tracked sources, without build trees.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION})
# (regular expressions, escaped once more for CPackSourceConfig.cmake)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)
