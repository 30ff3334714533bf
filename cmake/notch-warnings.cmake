# Warnings as errors for the project's own targets (not for GoogleTest).
function(notch_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wcast-align -Woverloaded-virtual
    -Wimplicit-fallthrough)
  # COM objects end through Release, never through a delete on an interface
  # pointer, and COM interfaces have no virtual destructor; the native build,
  # which compiles every portable interface too, keeps the check.
  if(NOT WIN32)
    target_compile_options(${target} PRIVATE -Wnon-virtual-dtor)
  endif()
endfunction()
