# gold links the many test programs in less than half the time of the default
# linker; where it is missing the default one is used.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=gold IPPON_HAVE_GOLD)
if(IPPON_HAVE_GOLD)
    add_link_options(-fuse-ld=gold)
endif()
