# The package splits the program's debug information off into its -dbgsym
# package, as Debian's own builds do whatever the optimisation: so every
# build type compiles with -g, Release and MinSizeRel too (debug information
# does not change the code that is made).
foreach(config RELEASE MINSIZEREL)
    string(APPEND CMAKE_CXX_FLAGS_${config} " -g")
endforeach()
