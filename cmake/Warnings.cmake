# Project-wide warning set; TOLVANE_WERROR (on in CI) turns them into errors.
add_library(tolvane_warnings INTERFACE)
target_compile_options(tolvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wcast-align -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Woverloaded-virtual>)
if(TOLVANE_WERROR)
  target_compile_options(tolvane_warnings INTERFACE -Werror)
endif()
