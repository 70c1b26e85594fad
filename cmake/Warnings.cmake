# Project-wide warning set; TOLVANE_WERROR (on in CI) turns them into errors.
add_library(tolvane_warnings INTERFACE)
target_compile_options(tolvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wcast-align -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Woverloaded-virtual>)
if(TOLVANE_WERROR)
  target_compile_options(tolvane_warnings INTERFACE -Werror)
  # GCC 12 at -O2 reports -Warray-bounds (and -Wrestrict) inside std::string
  # for strings joined at run time, depending on the lengths of the literals
  # involved, so a build could fail only because its source folder has a
  # different path length. They stay warnings there; newer compilers keep
  # them as errors.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(tolvane_warnings INTERFACE
      $<$<COMPILE_LANGUAGE:CXX>:-Wno-error=array-bounds -Wno-error=restrict>)
  endif()
endif()
