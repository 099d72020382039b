# Installation into the standard places and a Debian package.
include(GNUInstallDirs)

set(IPPON_APP_ID org.example.ipponmichi)
set(IPPON_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/desktop)

install(TARGETS ipponmichi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${IPPON_DESKTOP_DIR}/${IPPON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${IPPON_DESKTOP_DIR}/${IPPON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    set(icon ${PROJECT_SOURCE_DIR}/assets/images/icon${size}.png)
    if(EXISTS ${icon})
        install(FILES ${icon}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${IPPON_APP_ID}.png)
    endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ipponmichi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Ipponmichi developers <games@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Board game: walk a straight course of 101 squares")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
