# The native build: portable core tests, the developer CLI, benchmarks and
# (with clang) fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(notch_tests ${NOTCH_PORTABLE_TESTS})
target_include_directories(notch_tests PRIVATE tests tools)
target_link_libraries(notch_tests PRIVATE notch_core notch_platform notch_driver_core notch_tour_core GTest::gmock_main)
target_compile_definitions(notch_tests PRIVATE NOTCH_TEST_DATA_DIR=L"${CMAKE_SOURCE_DIR}/tests/data")
notch_warnings(notch_tests)
gtest_discover_tests(notch_tests DISCOVERY_MODE PRE_TEST)

file(GLOB_RECURSE _inspect_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/notch-inspect/*.cpp)
add_executable(notch-inspect ${_inspect_sources})
target_link_libraries(notch-inspect PRIVATE notch_core notch_platform)
notch_warnings(notch-inspect)

find_package(benchmark QUIET)
file(GLOB _bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND _bench_sources)
  add_executable(notch_bench ${_bench_sources})
  target_link_libraries(notch_bench PRIVATE notch_core notch_platform benchmark::benchmark_main)
  target_compile_definitions(notch_bench PRIVATE NOTCH_TEST_DATA_DIR=L"${CMAKE_SOURCE_DIR}/tests/data")
  notch_warnings(notch_bench)
endif()

# One libFuzzer target per fuzz/*.cpp file, built only by clang.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  file(GLOB _fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(source ${_fuzz_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE notch_core notch_platform)
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

# notch_cli_test(NAME EXPECTED_FILE ARGUMENTS...): notch-inspect's output for
# ARGUMENTS must equal tests/data/cli/EXPECTED_FILE byte for byte.
# A "|" inside an argument travels as "%7C".
function(notch_cli_test name expected)
  string(REPLACE "|" "%7C" escaped "${ARGN}")
  list(JOIN escaped "|" arguments)
  add_test(NAME cli.${name}
           COMMAND ${CMAKE_COMMAND} "-DCOMMAND=$<TARGET_FILE:notch-inspect>|${arguments}"
                   -DEXPECTED=${CMAKE_SOURCE_DIR}/tests/data/cli/${expected} -P ${CMAKE_SOURCE_DIR}/cmake/compare-output.cmake
           WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/data)
endfunction()
include(${CMAKE_SOURCE_DIR}/tests/cli/cli-tests.cmake)
