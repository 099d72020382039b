# artgen draws every picture of the game into assets/images. Run it after
# changing the drawings and commit what it writes:
#   build/tools/artgen assets/images
add_executable(artgen
    artgen/Artgen.h
    artgen/Catalogue.cpp
    artgen/Lettering.cpp artgen/Lettering.h
    artgen/Palette.h
    artgen/Raster.cpp artgen/Raster.h
    artgen/Sheets.cpp
    artgen/Sprite.cpp
    artgen/Heroine.cpp artgen/Heroine.h
    artgen/Pictures.cpp
    artgen/Stubs.cpp
    artgen/main.cpp)
target_link_libraries(artgen PRIVATE Qt6::Gui)
