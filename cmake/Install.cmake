# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
#   cmake --install BUILD --prefix ~/.local     both programs with help, icons,
#                                               menu entries and the document type
#   cpack -G DEB (in BUILD)                     the package; tools/package.sh does both
#
# The programs install themselves (install(TARGETS ...) in confapp/ and fwload/);
# this file adds what the desktop needs around them. On Debian the caches for
# menu entries, document types and icons are refreshed by the triggers of
# desktop-file-utils, shared-mime-info and the icon theme, so the package
# needs no maintainer scripts.

include(GNUInstallDirs)

set(MV_DATA_DIR ${PROJECT_SOURCE_DIR}/resources)

# The help page the window shows from its resources, readable outside the program too.
install(FILES ${PROJECT_SOURCE_DIR}/confapp/shell/help/mvconf.html
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(FILES ${MV_DATA_DIR}/desktop/mvconf.desktop ${MV_DATA_DIR}/desktop/fwload.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MV_DATA_DIR}/mime/mvconf.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${MV_DATA_DIR}/icons/mvconf.svg ${MV_DATA_DIR}/icons/fwload.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MV_DATA_DIR}/icons/application-x-mvconf-document.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# The installed layout: programs, help, menu entries, icons and document type.
if(MV_BUILD_TESTS)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DSTAGE=${PROJECT_BINARY_DIR}/install-check -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
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
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the C++ runtime come from dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

include(CPack)
