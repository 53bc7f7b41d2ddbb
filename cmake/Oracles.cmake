# The independent oracles of the verification tests (Linux build only):
# zxing-cpp decodes what we draw, zint encodes the same data for a module
# by module comparison where no decoder reads a type.
find_package(ZXing REQUIRED)
find_path(ZINT_INCLUDE_DIR zint.h REQUIRED)
find_library(ZINT_LIBRARY zint REQUIRED)
add_library(bc_zint INTERFACE)
target_include_directories(bc_zint INTERFACE ${ZINT_INCLUDE_DIR})
target_link_libraries(bc_zint INTERFACE ${ZINT_LIBRARY})
