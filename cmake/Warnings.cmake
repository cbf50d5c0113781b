# Every target of ours builds with the same strict warnings.
function(vendarion_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
    # GCC 12 at -O3 reports overlapping copies inside std::string concatenation that
    # cannot happen (a known false positive of its -Wrestrict), which -Werror would
    # turn into a failed release build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# A static library for one folder of src/: sources given, public include root is src/.
function(vendarion_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    vendarion_warnings(${name})
endfunction()

# A program started once per query (the command-line tool, the CGI server) links the
# C++ runtime statically: resolving libstdc++'s symbols at start-up was about a
# quarter of a narrow search's processor time.
function(vendarion_quick_start target)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
endfunction()
