# Installing the game and packaging it. Paths follow GNUInstallDirs below the prefix: the game in
# bin/, its data in share/orvante/, desktop entry, icons, AppStream metadata and manual pages in
# their usual places under share/. A data tool installs itself with one line in its own
# CMakeLists.txt: install(TARGETS orvante-<name> RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}),
# and the package then holds it.

install(TARGETS orvante RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian keeps games in games/; the link there finds the game in bin/ (and its data beside it).
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
  file(CREATE_LINK ../${CMAKE_INSTALL_BINDIR}/orvante
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/orvante\" SYMBOLIC)")

# The data as shipped, without what a game started in the source tree wrote into it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvante
        PATTERN ".keep" EXCLUDE PATTERN ".gitignore" EXCLUDE
        PATTERN "LOG/*" EXCLUDE PATTERN "SHOTS/*" EXCLUDE)

set(ORV_DIST ${PROJECT_SOURCE_DIR}/dist)
install(FILES ${ORV_DIST}/io.github.orvante.Orvante.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORV_DIST}/io.github.orvante.Orvante.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ORV_DIST}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages are installed compressed, as Debian's policy wants them (gzip -9n: no name or
# time stamp in the file, so a build gives the same bytes every time).
function(orv_install_manual_page name)
  set(compressed ${CMAKE_BINARY_DIR}/man/${name}.6.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND sh -c "gzip -9n -c '${ORV_DIST}/${name}.6' > '${compressed}'"
                     DEPENDS ${ORV_DIST}/${name}.6 VERBATIM)
  add_custom_target(orv_manual_${name} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endfunction()
orv_install_manual_page(orvante)
# A tool's manual page comes with the tool, once every CMakeLists.txt has been read.
function(orv_install_tool_pages)
  foreach(tool orvante-check orvante-level)
    if(TARGET ${tool})
      orv_install_manual_page(${tool})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL orv_install_tool_pages)

# The package's copyright notice and its changelog (compressed, like the manual pages).
install(FILES ${ORV_DIST}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvante)
set(ORV_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${ORV_CHANGELOG}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
                   COMMAND sh -c "gzip -9n -c '${ORV_DIST}/changelog' > '${ORV_CHANGELOG}'"
                   DEPENDS ${ORV_DIST}/changelog VERBATIM)
add_custom_target(orv_changelog ALL DEPENDS ${ORV_CHANGELOG})
install(FILES ${ORV_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvante)

# cpack -G DEB: the dependencies come from dpkg-shlibdeps on the installed programs.
set(CPACK_PACKAGE_NAME orvante)
set(CPACK_PACKAGE_VENDOR "The ORVANTE developers")
set(CPACK_PACKAGE_CONTACT "The ORVANTE developers <orvante@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paint a generated labyrinth before the time runs out")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-player 2D arcade game: walk a generated labyrinth, paint its floor\n\
and close patterns to fix the paint, ahead of two enemy groups. Everything it\n\
shows and plays comes from plain data files that can be modded.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvante)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A system package installs below /usr; the game finds its data from its own folder, so the
# prefix it was configured with does not matter.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
