# Installation, the Debian packages and the manual page.
set(IPPON_CHECK_TREE ${CMAKE_CURRENT_SOURCE_DIR}/check_installed_tree.sh)

# cmake --install into a scratch prefix puts everything in its place.
add_test(NAME install_tree_is_complete
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_tree_is_complete.sh
                 ${PROJECT_BINARY_DIR} ${IPPON_CHECK_TREE})
set_tests_properties(install_tree_is_complete PROPERTIES TIMEOUT 120)

# The packages build, their control data hold, they unpack into a scratch root
# with the same tree, and the program there starts.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB)
    add_test(NAME debian_package_installs_and_starts
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package_installs_and_starts.sh
                     ${PROJECT_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/program_starts_and_quits.sh
                     ${IPPON_CHECK_TREE})
    set_tests_properties(debian_package_installs_and_starts PROPERTIES TIMEOUT 300
                         ENVIRONMENT "${IPPON_TEST_ENV}" RUN_SERIAL TRUE)
endif()

# Lintian is slow: several minutes on a busy machine are no failure.
find_program(LINTIAN lintian)
if(DPKG_DEB AND LINTIAN)
    add_test(NAME debian_packages_pass_lintian
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packages_pass_lintian.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(debian_packages_pass_lintian PROPERTIES TIMEOUT 900
                         ENVIRONMENT "${IPPON_TEST_ENV}" RUN_SERIAL TRUE)
endif()

find_program(MAN man)
if(MAN)
    add_test(NAME man_page_renders_cleanly
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/man_page_renders_cleanly.sh
                     ${PROJECT_BINARY_DIR}/doc/ipponmichi.6.gz ${PROJECT_SOURCE_DIR})
    set_tests_properties(man_page_renders_cleanly PROPERTIES TIMEOUT 60)
endif()
