# GNU gold links the large test programs in about two thirds of the time the default linker
# takes; it is used where the compiler and the system have it.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=gold VELOCARTA_HAS_GOLD_LINKER)
if(VELOCARTA_HAS_GOLD_LINKER)
    add_link_options(-fuse-ld=gold)
endif()
