# GoogleTest in both builds, and the way each build runs its test programs.

if(WIN32)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Test programs run under Wine in a prefix of the build's own.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;${BARCODE_WINE_LOADER};${CMAKE_BINARY_DIR}/wineprefix)
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    include(${CMAKE_CURRENT_LIST_DIR}/Oracles.cmake)
endif()

# bc_add_gtest(<target>): register a GoogleTest program with CTest. Natively
# each test case becomes a CTest test; under Wine the whole program is one
# test, since every start of a Windows program costs a Wine start-up.
function(bc_add_gtest target)
    if(WIN32)
        add_test(NAME ${target} COMMAND ${target}
                 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
        set_tests_properties(${target} PROPERTIES TIMEOUT 300)
    else()
        gtest_discover_tests(${target}
            WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
            DISCOVERY_TIMEOUT 30
            PROPERTIES TIMEOUT 120)
    endif()
endfunction()
