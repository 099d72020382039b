# Installation, the Debian packages and the manual page.
set(IPPON_CHECK_TREE ${CMAKE_CURRENT_SOURCE_DIR}/check_installed_tree.sh)

# cmake --install into a scratch prefix puts everything in its place.
add_test(NAME install_tree_is_complete
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_tree_is_complete.sh
                 ${PROJECT_BINARY_DIR} ${IPPON_CHECK_TREE})
set_tests_properties(install_tree_is_complete PROPERTIES TIMEOUT 120)

# The packages build once (a fixture), their control data hold, they unpack
# into a scratch root with the same tree, the program there starts, and
# lintian finds nothing.
find_program(DPKG_DEB dpkg-deb)
find_program(LINTIAN lintian)
if(DPKG_DEB)
    set(packages ${PROJECT_BINARY_DIR}/test-packages)
    add_test(NAME debian_packages_build
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/build_debian_packages.sh ${PROJECT_BINARY_DIR}
                     ${packages})
    set_tests_properties(debian_packages_build PROPERTIES TIMEOUT 300
                         FIXTURES_SETUP debian_packages)
    add_test(NAME debian_package_installs_and_starts
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package_installs_and_starts.sh
                     ${PROJECT_BINARY_DIR} ${packages}
                     ${CMAKE_CURRENT_SOURCE_DIR}/program_starts_and_quits.sh ${IPPON_CHECK_TREE})
    set_tests_properties(debian_package_installs_and_starts PROPERTIES TIMEOUT 120
                         ENVIRONMENT "${IPPON_TEST_ENV}" FIXTURES_REQUIRED debian_packages)
    # Lintian is slow: minutes on a busy machine are no failure.
    if(LINTIAN)
        add_test(NAME debian_packages_pass_lintian
                 COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packages_pass_lintian.sh ${packages})
        set_tests_properties(debian_packages_pass_lintian PROPERTIES TIMEOUT 900
                             ENVIRONMENT "${IPPON_TEST_ENV}" FIXTURES_REQUIRED debian_packages)
    endif()
endif()

find_program(MAN man)
if(MAN)
    add_test(NAME man_page_renders_cleanly
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/man_page_renders_cleanly.sh
                     ${PROJECT_BINARY_DIR}/doc/ipponmichi.6.gz ${PROJECT_SOURCE_DIR})
    set_tests_properties(man_page_renders_cleanly PROPERTIES TIMEOUT 60)
endif()
