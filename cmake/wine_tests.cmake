# Tests of the Windows build run under Wine, in a prefix of the build's own.
set(VELMORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(VELMORA_WINE_ENV
    "WINEPREFIX=${VELMORA_WINEPREFIX}"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=winemenubuilder.exe=d")

add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/prepare-prefix.sh)
set_tests_properties(wine_prefix PROPERTIES
    ENVIRONMENT "${VELMORA_WINE_ENV}" FIXTURES_SETUP wine_prefix TIMEOUT 300)

set_tests_properties(core_tests PROPERTIES
    ENVIRONMENT "${VELMORA_WINE_ENV}" FIXTURES_REQUIRED wine_prefix TIMEOUT 300)
add_subdirectory(e2e)
add_subdirectory(bench)
