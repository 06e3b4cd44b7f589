# What the desktop needs beside the two programs: the menu entry, the card files' type,
# the icon, the AppStream metadata and the manual pages. debian/ makes the package of
# them (`scripts/package`).
include(GNUInstallDirs)

# debian/changelog names the version of the package: it must be the program's.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^zorvat \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "debian/changelog starts with «${changelog_head}», not version ${PROJECT_VERSION}")
endif()

if(WIN32)
  include(${PROJECT_SOURCE_DIR}/packaging/windows/install.cmake)
  return()
endif()

set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)
configure_file(${pkg_src}/ua.zorvat.zorvat.metainfo.xml ${pkg_out}/ua.zorvat.zorvat.metainfo.xml @ONLY)

# Manual pages are installed compressed, without a time stamp in the gzip header, so
# that two builds of one version give the same package.
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
add_custom_target(zorvat_package_files ALL DEPENDS ${pkg_gz})

install(FILES ${pkg_src}/zorvat.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg_src}/zorvat-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zorvat.xml)
install(FILES ${pkg_out}/ua.zorvat.zorvat.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${pkg_src}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${pkg_src}/icons/zorvat.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${pkg_out}/zorvat.1.gz ${pkg_out}/zorvat-card.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_out}/uk/zorvat.1.gz ${pkg_out}/uk/zorvat-card.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/uk/man1)
