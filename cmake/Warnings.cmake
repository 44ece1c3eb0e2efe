# Warnings are errors everywhere in the project's own code.
add_compile_options(-Wall -Wextra -Wpedantic -Werror)

# GCC 12 at -O3 reports std::string concatenations it has inlined as overlapping copies
# (GCC bug 105329, a false positive); the release build would not build at all.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
