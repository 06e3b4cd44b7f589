# What the desktop and the Debian package need beside the two programs: the menu entry,
# the icon, the AppStream metadata, the manual pages, the copyright and changelog, and
# CPack's description of the package. `scripts/package` builds it.
include(GNUInstallDirs)

set(ZORVAT_PACKAGE_MAINTAINER "ЗОРВАТ maintainers <zorvat@example.org>"
    CACHE STRING "Maintainer of the Debian package: name <address>")

set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)
execute_process(COMMAND date -R -u -d "${ZORVAT_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE ZORVAT_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${pkg_src}/ua.zorvat.zorvat.metainfo.xml ${pkg_out}/ua.zorvat.zorvat.metainfo.xml @ONLY)

# Manual pages and the changelog are installed compressed, without a time stamp in the
# gzip header, so that two builds of one version give the same package.
set(pkg_gz)
function(zorvat_gzip source name)
  configure_file(${source} ${pkg_out}/${name} @ONLY)
  add_custom_command(OUTPUT ${pkg_out}/${name}.gz
                     COMMAND gzip -9nkf ${name}
                     DEPENDS ${pkg_out}/${name}
                     WORKING_DIRECTORY ${pkg_out}
                     VERBATIM)
  set(pkg_gz ${pkg_gz} ${pkg_out}/${name}.gz PARENT_SCOPE)
endfunction()
foreach(page zorvat.1 zorvat-card.1 uk/zorvat.1 uk/zorvat-card.1)
  zorvat_gzip(${pkg_src}/man/${page} ${page})
endforeach()
zorvat_gzip(${pkg_src}/changelog.in changelog)
add_custom_target(zorvat_package_files ALL DEPENDS ${pkg_gz})

install(FILES ${pkg_src}/zorvat.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg_out}/ua.zorvat.zorvat.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${pkg_src}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${pkg_src}/icons/zorvat.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${pkg_out}/zorvat.1.gz ${pkg_out}/zorvat-card.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_out}/uk/zorvat.1.gz ${pkg_out}/uk/zorvat-card.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/uk/man1)
install(FILES ${pkg_src}/copyright ${pkg_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZORVAT_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "state registration cards of R&D works, products and dissertations")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZORVAT (ЗОРВАТ) prepares the cards by which research and development works,
their results, scientific-technical products and dissertations are registered
with the state registration service: the RK, OK, IK and OKD cards.
.
A clerk fills in one card at a time in a tabbed form, saves it as the
Windows-1251 card text file that the service receives, opens such files again
for correction or as the template of the next card, and prints the card on A4
sheets with continuation sheets for long texts. The user interface is in
Ukrainian.
.
zorvat-card does the same with card files from the command line, without a
display: new cards, resaving, JSON, PDF and checks before sending.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries as dpkg-shlibdeps finds them in the programs; the fonts the printed cards are
# laid out in are not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
