# Source lists follow the naming rule of docs/ARCHITECTURE.md:
#   *_win.cpp    Windows shell units, Windows build only
#   *_posix.cpp  native stand-ins for the few platform services the core needs
#   *.cpp        portable core, both builds
# Entry points (main_win.cpp) are not part of any library.
file(GLOB_RECURSE _all_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)

set(NOTCH_PORTABLE_SOURCES ${_all_sources})
list(FILTER NOTCH_PORTABLE_SOURCES EXCLUDE REGEX "_(win|posix)\\.cpp$")

set(NOTCH_WIN_SOURCES ${_all_sources})
list(FILTER NOTCH_WIN_SOURCES INCLUDE REGEX "_win\\.cpp$")
list(FILTER NOTCH_WIN_SOURCES EXCLUDE REGEX "/main_win\\.cpp$")

set(NOTCH_POSIX_SOURCES ${_all_sources})
list(FILTER NOTCH_POSIX_SOURCES INCLUDE REGEX "_posix\\.cpp$")

if(WIN32)
  set(NOTCH_PLATFORM_SOURCES ${NOTCH_WIN_SOURCES})
else()
  set(NOTCH_PLATFORM_SOURCES ${NOTCH_POSIX_SOURCES})
endif()

# Tests: tests/win holds the Windows-only ones; tests/support the shared fakes.
file(GLOB_RECURSE _all_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
set(NOTCH_PORTABLE_TESTS ${_all_tests})
list(FILTER NOTCH_PORTABLE_TESTS EXCLUDE REGEX "/tests/win/")
set(NOTCH_WIN_TESTS ${_all_tests})
list(FILTER NOTCH_WIN_TESTS INCLUDE REGEX "/tests/win/")
