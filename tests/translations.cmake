# The catalogues: complete, and up to date with the sources (lupdate run into
# a scratch copy finds nothing new and nothing gone).
add_test(NAME catalogue_is_complete_and_current
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/catalogue_is_complete_and_current.sh
                 $<TARGET_FILE:Qt6::lupdate> ${IPPON_TS_FILES} -- ${IPPON_LUPDATE_OPTIONS}
                 -- ${IPPON_TRANSLATED_SOURCES})
set_tests_properties(catalogue_is_complete_and_current PROPERTIES TIMEOUT 120)

# The English edition: the language follows the locale, every text comes from
# the catalogue and fits its place, and a whole game is played in English.
ippon_add_test(english_edition_test QTEST SOURCES english_edition_test.cpp LIBS appcore)
# It reads the shipped English texts outside the catalogue from the sources.
target_compile_definitions(english_edition_test PRIVATE IPPON_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
