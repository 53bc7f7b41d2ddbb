# Compile options shared by every target of both builds.

add_library(bc_options INTERFACE)
target_compile_options(bc_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wno-unused-parameter>)

if(WIN32)
    # Print servers load Barcode.dll by name from a bare directory: it may
    # import nothing but system DLLs, so the compiler runtime is linked in.
    target_link_options(bc_options INTERFACE -static -static-libgcc -static-libstdc++)
    target_compile_definitions(bc_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
        _WIN32_WINNT=0x0601)
else()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
