# Native build: portable core library, unit tests, fuzz target and benchmarks.
option(STATS_FUZZ "Build the libFuzzer target (clang)" OFF)
option(STATS_BENCH "Build the benchmarks" ON)

add_library(stats_core STATIC ${STATS_CORE_SOURCES} ${STATS_EXPORT_SOURCES}
  platform/portable/memory_settings.cpp
  platform/portable/portable_services.cpp)
target_include_directories(stats_core PUBLIC ${PROJECT_SOURCE_DIR})
set_source_files_properties(plugin/exports.cpp PROPERTIES COMPILE_OPTIONS -Wno-unused-parameter)
find_package(Threads REQUIRED)
target_link_libraries(stats_core PUBLIC Threads::Threads)

if(STATS_FUZZ)
  add_executable(stats_fuzz tests/fuzz/exports_fuzz.cpp tests/native/fake_platform.cpp)
  target_link_libraries(stats_fuzz PRIVATE stats_core)
  target_compile_options(stats_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(stats_fuzz PRIVATE -fsanitize=fuzzer)
  return()
endif()

find_package(GTest REQUIRED)
add_executable(native_tests
  tests/native/date_time_test.cpp
  tests/native/contest_rules_test.cpp
  tests/native/qso_log_test.cpp
  tests/native/logging_test.cpp
  tests/native/result_summary_test.cpp
  tests/native/cabrillo_log_test.cpp
  tests/native/cabrillo_header_test.cpp
  tests/native/module_test.cpp
  tests/native/worked_before_painter_test.cpp
  tests/native/setup_window_test.cpp
  tests/native/poll_test.cpp
  tests/native/threads_test.cpp
  tests/native/stop_protocol_test.cpp
  tests/native/fake_platform.cpp)
target_link_libraries(native_tests PRIVATE stats_core GTest::gtest GTest::gtest_main)
# GCC 12 reports a false -Wrestrict inside std::string concatenation at -O2.
target_compile_options(native_tests PRIVATE -Wno-restrict)
add_test(NAME native_tests COMMAND native_tests)

if(STATS_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    add_executable(stats_bench bench/stats_bench.cpp)
    target_link_libraries(stats_bench PRIVATE stats_core benchmark::benchmark)
  endif()
endif()
