# Test registration shared by every test folder.
#
#   tolvane_add_gtest(<target> [SANITIZE] [TIMEOUT <seconds>])
#
# registers each GoogleTest case of <target> with CTest. SANITIZE marks the
# target as one that CI builds again and runs under AddressSanitizer and
# UndefinedBehaviorSanitizer (the SDK, emulator, device-layer and core tests):
# `ninja sanitize_tests` builds them and `ctest -L sanitize` runs them.
function(tolvane_add_gtest target)
  cmake_parse_arguments(ARG "SANITIZE" "TIMEOUT" "" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  # One label at most: a list does not survive the way test discovery passes
  # properties on.
  set(label_property)
  if(ARG_SANITIZE)
    set(label_property LABELS sanitize)
    set_property(GLOBAL APPEND PROPERTY TOLVANE_SANITIZE_TARGETS ${target})
  endif()
  # Precompiled headers at the end of the configure step (Precompiled.cmake).
  set_property(GLOBAL APPEND PROPERTY TOLVANE_GTEST_TARGETS ${target})
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${TOLVANE_BUNDLE_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${ARG_TIMEOUT} ${label_property})
endfunction()
