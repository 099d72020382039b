# The built-in pictures, read through the resource system and from the
# committed files; `artgen_matches_committed_images` (tools/artgen.cmake)
# checks that the files are what the generator draws.
ippon_add_test(artwork_test QTEST SOURCES artwork_test.cpp LIBS assets)
target_compile_definitions(artwork_test
    PRIVATE IPPON_IMAGES_DIR="${PROJECT_SOURCE_DIR}/assets/images")

# The generator's drawing primitives.
ippon_add_test(artwork_generator_test SOURCES artwork_generator_test.cpp LIBS artgenlib)
