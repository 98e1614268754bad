# Installing the game and packaging it. Paths follow GNUInstallDirs below the prefix: the game in
# bin/, its data in share/orvante/, desktop entry, icons, AppStream metadata and manual pages in
# their usual places under share/. A data tool installs itself with one line in its own
# CMakeLists.txt: install(TARGETS orvante-<name> RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}),
# and the package then holds it.

install(TARGETS orvante RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
install(FILES ${ORV_DIST}/orvante.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# A tool's manual page comes with the tool, once every CMakeLists.txt has been read.
function(orv_install_tool_pages)
  foreach(tool orvante-check orvante-level)
    if(TARGET ${tool})
      install(FILES ${ORV_DIST}/${tool}.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL orv_install_tool_pages)

# cpack -G DEB: the dependencies come from dpkg-shlibdeps on the installed programs.
set(CPACK_PACKAGE_NAME orvante)
set(CPACK_PACKAGE_VENDOR "The ORVANTE developers")
set(CPACK_PACKAGE_CONTACT "The ORVANTE developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paint a generated labyrinth before the time runs out")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-player 2D arcade game: walk a generated labyrinth, paint its floor and close \
patterns to fix the paint, ahead of two enemy groups. Everything it shows and plays comes from \
plain data files that can be modded.")
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
