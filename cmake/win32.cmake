# Cross build: Stats.dll, the simulated host and the Wine tests.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(Stats SHARED ${STATS_CORE_SOURCES} ${STATS_EXPORT_SOURCES}
  plugin/dllmain.cpp
  platform/win32/win32_services.cpp
  host/win32/com_host_link.cpp
  platform/win32/cabrillo_dialog.cpp
  platform/win32/multiplier_dialog.cpp
  platform/win32/window_thread.cpp
  windows/resources/Stats.rc
  plugin/Stats.def)
set_target_properties(Stats PROPERTIES PREFIX "" OUTPUT_NAME Stats)
set_source_files_properties(plugin/exports.cpp PROPERTIES COMPILE_OPTIONS -Wno-unused-parameter)
target_include_directories(Stats PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(Stats PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(Stats PRIVATE ${STATIC_RUNTIME})
target_link_libraries(Stats PRIVATE version ole32 oleaut32 uuid)

# The simulated host, as a library for the tests and as Tovu.exe for the demo.
add_library(tovu_host STATIC tools/host/stats_plugin.cpp tools/host/dialog_watcher.cpp
  tools/host/session_log.cpp tools/host/screenshot.cpp
  tools/host/automation_object.cpp)
target_include_directories(tovu_host PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(tovu_host PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(tovu_host PUBLIC ole32 oleaut32 uuid)

add_executable(Tovu tools/tovu/main.cpp tools/tovu/tovu.rc)
target_link_libraries(Tovu PRIVATE tovu_host)
target_link_options(Tovu PRIVATE ${STATIC_RUNTIME})

# A host of the three-part version form, for the Cabrillo CREATED-BY line.
add_executable(Tovu3 tools/tovu/main.cpp tools/tovu/tovu3.rc)
target_link_libraries(Tovu3 PRIVATE tovu_host)
target_link_options(Tovu3 PRIVATE ${STATIC_RUNTIME})

# The staging folder is a host installation: Tovu.exe beside Plugins\Stats.dll.
set(STAGE ${CMAKE_BINARY_DIR}/stage)
add_custom_target(stage ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${STAGE}/Plugins
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Stats> ${STAGE}/Plugins/Stats.dll
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tovu> ${STAGE}/Tovu.exe
  # A second host folder whose host carries a three-part version.
  COMMAND ${CMAKE_COMMAND} -E make_directory ${STAGE}/v3/Plugins
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Stats> ${STAGE}/v3/Plugins/Stats.dll
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tovu3> ${STAGE}/v3/Tovu.exe
  DEPENDS Stats Tovu Tovu3)

# GoogleTest for MinGW, from the sources Debian installs.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(wine_tests
  tests/wine/exports_test.cpp
  tests/wine/scoring_test.cpp
  tests/wine/cabrillo_test.cpp
  tests/wine/host_link_test.cpp
  tests/wine/windows_test.cpp
  host/win32/com_host_link.cpp)
target_link_libraries(wine_tests PRIVATE tovu_host gtest gtest_main)
target_link_options(wine_tests PRIVATE ${STATIC_RUNTIME})
add_dependencies(wine_tests stage)
add_test(NAME wine_tests COMMAND wine_tests WORKING_DIRECTORY ${STAGE})

find_program(MINGW_OBJDUMP i686-w64-mingw32-objdump REQUIRED)
add_test(NAME dll_image COMMAND ${CMAKE_COMMAND} -DDLL=$<TARGET_FILE:Stats> -DOBJDUMP=${MINGW_OBJDUMP}
         -P ${PROJECT_SOURCE_DIR}/cmake/check_dll.cmake)
