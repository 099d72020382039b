# artgen draws every picture of the game into assets/images. After changing a
# drawing, run `cmake --build build --target artwork` (or build/tools/artgen
# assets/images) and commit the pictures it writes.
add_library(artgenlib STATIC
    artgen/Artgen.h
    artgen/Catalogue.cpp
    artgen/Heroine.cpp artgen/Heroine.h
    artgen/Icons.cpp
    artgen/Lettering.cpp artgen/Lettering.h
    artgen/Palette.h
    artgen/Pictures.cpp
    artgen/Raster.cpp artgen/Raster.h
    artgen/Sheets.cpp
    artgen/Sprite.cpp)
target_include_directories(artgenlib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/artgen)
target_link_libraries(artgenlib PUBLIC Qt6::Gui)
# A tool, never shipped: its debug information would only slow every build.
target_compile_options(artgenlib PRIVATE -g0)

add_executable(artgen artgen/main.cpp)
target_link_libraries(artgen PRIVATE artgenlib)
target_compile_options(artgen PRIVATE -g0)

add_custom_target(artwork
    COMMAND artgen ${PROJECT_SOURCE_DIR}/assets/images
    COMMENT "Drawing the pictures into assets/images")

add_test(NAME artgen_matches_committed_images
    COMMAND ${CMAKE_COMMAND} -DARTGEN=$<TARGET_FILE:artgen>
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/artgen_check
            -DEXPECTED=${PROJECT_SOURCE_DIR}/assets/images
            -P ${CMAKE_CURRENT_SOURCE_DIR}/artgen/check.cmake)
# COST: one of the longest tests, so a fresh ctest starts it early.
set_tests_properties(artgen_matches_committed_images PROPERTIES TIMEOUT 120 COST 15)
