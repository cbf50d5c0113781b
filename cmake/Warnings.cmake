# Every target of ours builds with the same strict warnings.
function(vendarion_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
endfunction()

# A static library for one folder of src/: sources given, public include root is src/.
function(vendarion_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    vendarion_warnings(${name})
endfunction()
