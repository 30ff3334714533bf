# The Windows build: TemboNotch.exe and notch_win_tests.exe, cross-compiled.
enable_language(RC)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0A00 WINVER=0x0A00 NTDDI_VERSION=0x0A000000)

target_link_libraries(notch_platform PUBLIC
  ole32 oleaut32 uuid shell32 shlwapi user32 gdi32 comctl32 wtsapi32 advapi32 winhttp version
  dwmapi d3d11 dxgi d2d1 dcomp dwrite windowscodecs shcore winmm runtimeobject iphlpapi wlanapi uxtheme dxva2 comdlg32)

# Static C and C++ run-times and winpthread: the exe needs no DLL of ours.
set(NOTCH_STATIC_LINK -static -static-libgcc -static-libstdc++)

# res/resource_ids.h is shared by the resource scripts and the code.
target_include_directories(notch_platform PUBLIC ${CMAKE_SOURCE_DIR}/res)

add_executable(TemboNotch WIN32 src/host/main_win.cpp res/TemboNotch.rc)
target_link_libraries(TemboNotch PRIVATE notch_platform notch_core)
target_link_options(TemboNotch PRIVATE -municode ${NOTCH_STATIC_LINK})
# The version resource takes its numbers from the VERSION file (MAJOR.MINOR.PATCH).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION NOTCH_VERSION LIMIT_COUNT 1)
if(NOT NOTCH_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must hold MAJOR.MINOR.PATCH, not '${NOTCH_VERSION}'")
endif()
target_compile_definitions(TemboNotch PRIVATE NOTCH_VERSION_MAJOR=${CMAKE_MATCH_1} NOTCH_VERSION_MINOR=${CMAKE_MATCH_2}
                                              NOTCH_VERSION_PATCH=${CMAKE_MATCH_3} NOTCH_VERSION_DOTTED=${NOTCH_VERSION})
notch_warnings(TemboNotch)

# The tour build (scripts/tour, scripts/bench-idle): the same program with the
# stand-in media session, notification list and loopback lyrics services of
# tools/tour-sources linked in place of the system's. Never packaged.
add_executable(TemboNotchTour WIN32 src/host/main_win.cpp res/TemboNotch.rc tools/tour-sources/tour_sources_win.cpp)
target_include_directories(TemboNotchTour PRIVATE tools tests)
target_link_libraries(TemboNotchTour PRIVATE notch_tour_core notch_platform notch_core crypt32)
target_link_options(TemboNotchTour PRIVATE -municode ${NOTCH_STATIC_LINK})
get_target_property(_version_definitions TemboNotch COMPILE_DEFINITIONS)
target_compile_definitions(TemboNotchTour PRIVATE ${_version_definitions})
notch_warnings(TemboNotchTour)

# The snapshot tool: island frames, badges and symbols drawn into PNG files.
file(GLOB _snapshot_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/snapshots/*.cpp)
add_executable(notch_snapshots ${_snapshot_sources})
target_link_libraries(notch_snapshots PRIVATE notch_platform notch_core)
target_link_options(notch_snapshots PRIVATE -municode ${NOTCH_STATIC_LINK})
notch_warnings(notch_snapshots)

# A second process that puts text on the clipboard, for the clipboard tests.
add_executable(notch_clipboard_writer tools/clipboard-writer/clipboard_writer_main_win.cpp)
target_link_options(notch_clipboard_writer PRIVATE -municode ${NOTCH_STATIC_LINK})
notch_warnings(notch_clipboard_writer)

# The idle probe (scripts/bench-idle): a hook library that counts the messages
# a thread of another process takes, and the probe that sets and reads it.
add_library(notch_idle_hook SHARED tools/idle-probe/idle_hook_win.cpp)
set_target_properties(notch_idle_hook PROPERTIES PREFIX "")
target_link_options(notch_idle_hook PRIVATE ${NOTCH_STATIC_LINK})
target_link_libraries(notch_idle_hook PRIVATE psapi)
notch_warnings(notch_idle_hook)
add_executable(notch_idle_probe tools/idle-probe/idle_probe_main_win.cpp)
target_include_directories(notch_idle_probe PRIVATE src tools tests)
target_link_libraries(notch_idle_probe PRIVATE psapi)
target_link_options(notch_idle_probe PRIVATE -municode ${NOTCH_STATIC_LINK})
notch_warnings(notch_idle_probe)
add_dependencies(notch_idle_probe notch_idle_hook)
# Drives the running program for scripts/tour and scripts/soak.
add_executable(notch_driver tools/notch-driver/notch_driver_main_win.cpp tools/snapshots/png_file_win.cpp
                            tools/snapshots/screen_pixels_win.cpp)
target_include_directories(notch_driver PRIVATE tools tools/notch-driver tests)
target_link_libraries(notch_driver PRIVATE notch_driver_core notch_tour_core notch_platform notch_core psapi)
target_link_options(notch_driver PRIVATE -municode ${NOTCH_STATIC_LINK})
notch_warnings(notch_driver)
add_dependencies(notch_driver notch_idle_hook)

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The Windows tests also run the whole portable suite, so that 16-bit
# wchar_t and the Windows C run-time are exercised.
# The dialog resource lets the tests run the real dialog in-process; the
# manifest stays TemboNotch.exe's alone.
add_executable(notch_win_tests ${NOTCH_PORTABLE_TESTS} ${NOTCH_WIN_TESTS} res/auto_hide_dialog.rc)
target_include_directories(notch_win_tests PRIVATE tests tools)
target_sources(notch_win_tests PRIVATE tools/snapshots/png_file_win.cpp tools/snapshots/screen_pixels_win.cpp)
target_link_libraries(notch_win_tests PRIVATE notch_platform notch_core notch_driver_core notch_tour_core gmock_main crypt32)
target_link_options(notch_win_tests PRIVATE ${NOTCH_STATIC_LINK})
notch_warnings(notch_win_tests)

# Wine maps the Linux root to drive Z:.
string(REPLACE "/" "\\\\" _data_dir "Z:${CMAKE_SOURCE_DIR}/tests/data")
target_compile_definitions(notch_win_tests PRIVATE NOTCH_TEST_DATA_DIR=L"${_data_dir}")
set_source_files_properties(tests/win/exe_resources_test.cpp PROPERTIES COMPILE_DEFINITIONS NOTCH_VERSION_TEXT=L"${NOTCH_VERSION}")
add_dependencies(notch_win_tests TemboNotch notch_snapshots notch_clipboard_writer)

# The lyrics services played over HTTPS on loopback, with an authority made
# for the run, around the Windows tests.
find_program(NOTCH_PYTHON3 python3 REQUIRED)
set(_lyrics_services_server ${CMAKE_SOURCE_DIR}/tests/win/lyrics_services_server.py)
set(_lyrics_services_folder ${CMAKE_BINARY_DIR}/lyrics-services)
add_test(NAME lyrics_services_start
         COMMAND ${NOTCH_PYTHON3} ${_lyrics_services_server} start ${_lyrics_services_folder}
                 ${CMAKE_SOURCE_DIR}/tests/data/lyrics/https-services.json)
add_test(NAME lyrics_services_stop COMMAND ${NOTCH_PYTHON3} ${_lyrics_services_server} stop ${_lyrics_services_folder})
set_tests_properties(lyrics_services_start PROPERTIES FIXTURES_SETUP lyrics_services)
set_tests_properties(lyrics_services_stop PROPERTIES FIXTURES_CLEANUP lyrics_services)
string(REPLACE "/" "\\" _lyrics_services_windows_folder "Z:${_lyrics_services_folder}")

# A PulseAudio server with a null sink gives Wine's Core Audio a default
# output endpoint; the audio tests run once more without a server.
set(_sound_server ${CMAKE_SOURCE_DIR}/tests/win/sound_server.py)
set(_sound_server_folder ${CMAKE_BINARY_DIR}/sound-server)
add_test(NAME sound_server_start COMMAND ${NOTCH_PYTHON3} ${_sound_server} start ${_sound_server_folder})
add_test(NAME sound_server_stop COMMAND ${NOTCH_PYTHON3} ${_sound_server} stop ${_sound_server_folder})
set_tests_properties(sound_server_start PROPERTIES FIXTURES_SETUP sound_server)
set_tests_properties(sound_server_stop PROPERTIES FIXTURES_CLEANUP sound_server)
string(REPLACE "/" "\\" _sound_server_windows_folder "Z:${_sound_server_folder}")

# A slow (shared, loaded) machine runs the suite in five minutes or more; a
# hanging test is named and stopped by the suite's own watchdog long before this limit.
add_test(NAME notch_win_tests COMMAND notch_win_tests --gtest_brief=1)
set_tests_properties(notch_win_tests PROPERTIES TIMEOUT 1500 FIXTURES_REQUIRED "lyrics_services;sound_server"
                     ENVIRONMENT "NOTCH_LYRICS_SERVICES=${_lyrics_services_windows_folder};PULSE_SERVER=unix:${_sound_server_folder}/native;NOTCH_SOUND_SERVER=${_sound_server_windows_folder}")
add_test(NAME notch_win_tests_without_sound_server COMMAND notch_win_tests --gtest_brief=1 --gtest_filter=CoreAudio*)
set_tests_properties(notch_win_tests_without_sound_server PROPERTIES TIMEOUT 120
                     ENVIRONMENT "PULSE_SERVER=unix:${CMAKE_BINARY_DIR}/no-sound-server/native;NOTCH_SOUND_SERVER=none")
