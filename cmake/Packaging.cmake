# Installation into the standard places and a Debian package.
include(GNUInstallDirs)

# Installing and packaging take the build as it stands, as `cmake --install`
# always does: otherwise cpack first asks make about every target, the tests'
# too, which takes it longer than making the packages.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# GNUInstallDirs has no directory for games; Debian puts them in /usr/games.
set(IPPON_INSTALL_GAMESDIR games CACHE STRING "Where the game's program is installed, relative to the prefix")

set(IPPON_APP_ID org.example.ipponmichi)
set(IPPON_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/desktop)
set(IPPON_DOC_DIR ${PROJECT_SOURCE_DIR}/doc)
set(IPPON_DOC_BUILD_DIR ${PROJECT_BINARY_DIR}/doc)

# The newest entry of the Debian changelog names the package's version; its
# upstream part must be the project's.
file(STRINGS ${IPPON_DOC_DIR}/changelog.Debian IPPON_CHANGELOG_HEAD LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${IPPON_DOC_DIR}/changelog.Debian)
if(NOT IPPON_CHANGELOG_HEAD MATCHES "^ipponmichi \\(([^)]+)-([0-9]+)\\) ")
    message(FATAL_ERROR "doc/changelog.Debian: cannot read the version from '${IPPON_CHANGELOG_HEAD}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "doc/changelog.Debian describes version ${CMAKE_MATCH_1}, "
                        "but the project is version ${PROJECT_VERSION}")
endif()
set(IPPON_DEBIAN_REVISION ${CMAKE_MATCH_2})

# The manual page and the changelog are installed compressed, as Debian
# expects; gzip -n leaves out the name and time so the result is reproducible.
find_program(IPPON_GZIP gzip REQUIRED)
configure_file(${IPPON_DOC_DIR}/ipponmichi.6.in ${IPPON_DOC_BUILD_DIR}/ipponmichi.6 @ONLY)
set(IPPON_MANPAGE ${IPPON_DOC_BUILD_DIR}/ipponmichi.6.gz)
set(IPPON_CHANGELOG ${IPPON_DOC_BUILD_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${IPPON_MANPAGE}
    COMMAND ${IPPON_GZIP} -9nkf ipponmichi.6
    WORKING_DIRECTORY ${IPPON_DOC_BUILD_DIR}
    DEPENDS ${IPPON_DOC_BUILD_DIR}/ipponmichi.6
    COMMENT "Compressing the manual page"
    VERBATIM)
add_custom_command(OUTPUT ${IPPON_CHANGELOG}
    COMMAND ${CMAKE_COMMAND} -E copy ${IPPON_DOC_DIR}/changelog.Debian changelog.Debian
    COMMAND ${IPPON_GZIP} -9nf changelog.Debian
    WORKING_DIRECTORY ${IPPON_DOC_BUILD_DIR}
    DEPENDS ${IPPON_DOC_DIR}/changelog.Debian
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
add_custom_target(ippon_docs ALL DEPENDS ${IPPON_MANPAGE} ${IPPON_CHANGELOG})
# Whoever builds just the program can still install it.
add_dependencies(ipponmichi ippon_docs)

# Directories the installation creates are not group-writable even under
# umask 002. (A stricter umask still narrows them; the package's staging step
# sets its directories to 0755 in any case.)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS ipponmichi RUNTIME DESTINATION ${IPPON_INSTALL_GAMESDIR})
install(FILES ${IPPON_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${IPPON_DOC_DIR}/copyright ${IPPON_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})
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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game: walk a straight course of 101 squares")
# CPack puts the summary first as the synopsis and indents this text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Poterin Ipponmichi is a small single-player board game. Each turn you spin
and stop a slot drum, and the heroine walks as many squares as the number
beside its arrow. Where she stops she says something, and many squares
hold an event: she walks further or goes back, the drum gets luckier, or
she gets pep back.

Every square walked costs a point of pep. Reach square 101 before she runs
out. The game's texts are Japanese, or English in other locales.")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${IPPON_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/ipponmichi)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program draws its texts in Monapo, and in IPAPGothic where a glyph or
# the whole font is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-monapo, fonts-ipafont-gothic")
# Without Qt's Wayland plugin the program still runs on a Wayland desktop, but
# through Xwayland rather than as a native client.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The program's debug information goes into a separate -dbgsym package; CPack
# strips the program while splitting it off. CPACK_STRIP_FILES would strip it
# before that and leave nothing to split off, so it stays off.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_STRIP_FILES OFF)
# CPack hands only CPACK_ variables on to its scripts.
set(CPACK_IPPON_LINTIAN_OVERRIDES ${IPPON_DOC_DIR}/lintian/ipponmichi)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebStagingExtras.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DbgsymRepair.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
