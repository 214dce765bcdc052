# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
#   cmake --install BUILD --prefix ~/.local     both programs with help, icons,
#                                               menu entries and the document type
#   cpack -G DEB (in BUILD)                     the package; tools/package.sh does both
#
# The programs install themselves (install(TARGETS ...) in confapp/ and fwload/);
# this file adds what the desktop and the distribution need around them:
# manual pages, shell completion, software-centre metadata, the help page
# with its doc-base registration, the copyright and the changelog. On Debian
# the caches for menu entries, document types, icons, metadata and doc-base
# are refreshed by the triggers of the packages that own them, so the package
# needs no maintainer scripts.

include(GNUInstallDirs)

set(MV_DATA_DIR ${PROJECT_SOURCE_DIR}/resources)

# Debian keeps manual pages and the changelog compressed, without a time stamp.
# They are made when CMake configures (again whenever the source changes), so
# any build of the programs can be installed.
function(mv_gzip source target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  get_filename_component(folder ${target} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(MV_PACKAGED ${PROJECT_BINARY_DIR}/packaged)
foreach(page mvconf.1 fwload.1)
  mv_gzip(${MV_DATA_DIR}/man/${page} ${MV_PACKAGED}/man/${page}.gz)
  install(FILES ${MV_PACKAGED}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The help page the window shows from its resources, readable outside the
# program too, and registered with doc-base under the prefix it lands in.
install(FILES ${PROJECT_SOURCE_DIR}/confapp/shell/help/mvconf.html
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(CODE "
  set(MV_DOCDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}\")
  configure_file(\"${MV_DATA_DIR}/debian/mvconf.doc-base.in\" \"${MV_PACKAGED}/doc-base/mvconf\" @ONLY)
  file(INSTALL \"${MV_PACKAGED}/doc-base/mvconf\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/doc-base\")
")
mv_gzip(${MV_DATA_DIR}/debian/changelog ${MV_PACKAGED}/changelog.gz)
install(FILES ${MV_DATA_DIR}/debian/copyright ${MV_PACKAGED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${MV_DATA_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME mvconf)

# Software centres.
install(FILES ${MV_DATA_DIR}/metainfo/org.example.mvconf.metainfo.xml
              ${MV_DATA_DIR}/metainfo/org.example.fwload.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# bash completion, in the folder bash-completion names, taken relative to its
# prefix so that a home installation gets it below ~/.local like the rest.
set(MV_COMPLETIONS_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(mv_completions bash-completion completionsdir)
  pkg_get_variable(mv_completions_prefix bash-completion prefix)
  string(LENGTH "${mv_completions_prefix}/" mv_length)
  string(SUBSTRING "${mv_completions}" 0 ${mv_length} mv_head)
  if(mv_completions_prefix AND mv_head STREQUAL "${mv_completions_prefix}/")
    string(SUBSTRING "${mv_completions}" ${mv_length} -1 MV_COMPLETIONS_DIR)
  endif()
endif()
install(FILES ${MV_DATA_DIR}/completion/mvconf ${MV_DATA_DIR}/completion/fwload
        DESTINATION ${MV_COMPLETIONS_DIR})

install(FILES ${MV_DATA_DIR}/desktop/mvconf.desktop ${MV_DATA_DIR}/desktop/fwload.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MV_DATA_DIR}/mime/mvconf.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${MV_DATA_DIR}/icons/mvconf.svg ${MV_DATA_DIR}/icons/fwload.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MV_DATA_DIR}/icons/application-x-mvconf-document.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# The installed layout: programs, help, menu entries, icons, document type,
# manual pages, completion, metadata and the Debian documents.
if(MV_BUILD_TESTS)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DSTAGE=${PROJECT_BINARY_DIR}/install-check -DVERSION=${PROJECT_VERSION}
                   -DCOMPLETIONS_DIR=${MV_COMPLETIONS_DIR} -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
endif()

# A package installs below /usr, whatever the build's own prefix is.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_NAME mvconf)
set(CPACK_PACKAGE_VENDOR "Systemtelefon-Team")
set(CPACK_PACKAGE_CONTACT "Systemtelefon-Team <team@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Settings, phone book and firmware download for the ISDN system telephone MV850")
set(CPACK_PACKAGE_DESCRIPTION
    "mvconf edits the telephone's settings and phone book, keeps them as *.mv8\n\
documents and reads them from and writes them to the telephone over the serial\n\
cable. fwload loads new firmware (Intel HEX) into the telephone. Both have a\n\
window and a command line for scripts.")
# Stripped like Debian's own packages (CPack's own stripping keeps .comment).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStrip.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the C++ runtime come from dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's file and print dialogs, edit menus and shortcut names in German.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

include(CPack)
