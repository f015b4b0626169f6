# What `cmake --install` lays out under the prefix, and the Debian package
# built from the same layout (scripts/package).
include(GNUInstallDirs)

set(MARKLOOM_APP_ID net.tarnwell.Markloom)

install(TARGETS markloom markloom-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its data in ../share/markloom beside its bin folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Extensions ${PROJECT_SOURCE_DIR}/data/Help
        DESTINATION ${CMAKE_INSTALL_DATADIR}/markloom)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MARKLOOM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MARKLOOM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/markloom.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${MARKLOOM_APP_ID}.svg)
foreach(size 48 128)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/markloom-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MARKLOOM_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/man/markloom.1 ${PROJECT_SOURCE_DIR}/packaging/man/markloom-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/completion/markloom-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME markloom)
set(CPACK_PACKAGE_VENDOR Tarnwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Source editor for web pages and the languages in them")
set(CPACK_PACKAGE_DESCRIPTION
    "Markloom edits HTML, PHP, ASP, JSP, JavaScript, style sheets and WML as plain text, writes markup through snippets and tag dialogs, validates, compresses and tidies pages, checks links and replaces text across files. markloom-cli runs the same engines from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Markloom developers <markloom@localhost>")
# Library dependencies are read from the binaries themselves (dpkg-shlibdeps);
# tidy and the English dictionary are programs and data the editor calls on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tidy, hunspell-en-us, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
