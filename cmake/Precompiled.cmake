# Precompiled headers: Google Test in the test programs, the Qt widget
# headers in the widget libraries and in the test programs with widgets.
# A precompiled header is only used with the compile flags it was made with,
# so each group of targets with the same flags shares one, made by a small
# program of their flags (a donor) or by the first library of the group.
#
#   tolvane_precompile_headers()
#
# is called once at the end of the top-level CMakeLists, when every target
# exists; test programs join through tolvane_add_gtest. -DTOLVANE_PCH=OFF
# builds without them.
#
# With a precompiled header, GCC 12 at -O2 may report -Warray-bounds inside
# std::string for a long literal joined at run time, as in
# std::string(SOME_DIR) + "/" + name; join the literals at compile time
# instead: std::string(SOME_DIR "/") + name. Warnings.cmake keeps those two
# warnings from failing a GCC 12 build.
option(TOLVANE_PCH "Precompile the Google Test and Qt headers" ON)
include(${CMAKE_CURRENT_LIST_DIR}/LayerGuard.cmake)

set(TOLVANE_PCH_STD <string> <string_view> <vector> <map> <memory> <functional> <optional> <filesystem>)
set(TOLVANE_PCH_GTEST <gtest/gtest.h>)
set(TOLVANE_PCH_QT <QApplication> <QComboBox> <QDialog> <QFrame> <QGroupBox> <QLabel> <QLineEdit>
  <QPlainTextEdit> <QPushButton> <QString> <QTabWidget> <QTreeWidget> <QWidget>)

# The headers for C++ sources only (a C source of the target gets none).
function(tolvane_cxx_headers out)
  set(headers)
  foreach(header IN LISTS ARGN)
    string(REPLACE ">" "$<ANGLE-R>" header "${header}")
    list(APPEND headers "$<$<COMPILE_LANGUAGE:CXX>:${header}>")
  endforeach()
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

# A program that only makes the precompiled header for targets with the
# flags its libraries and definitions give.
function(tolvane_pch_donor name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBRARIES;DEFINITIONS" ${ARGN})
  if(TARGET ${name})
    return()
  endif()
  # Written only when it changes, so that a new configure keeps the header.
  set(source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "int main() { return 0; }\n")
  add_executable(${name} EXCLUDE_FROM_ALL ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} tolvane_warnings)
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  tolvane_cxx_headers(headers ${ARG_HEADERS})
  target_precompile_headers(${name} PRIVATE ${headers})
endfunction()

function(tolvane_precompile_headers)
  if(NOT TOLVANE_PCH)
    return()
  endif()
  # The widget libraries share the flags of tolvane_gui.
  if(TARGET tolvane_gui)
    tolvane_cxx_headers(headers ${TOLVANE_PCH_QT} ${TOLVANE_PCH_STD})
    target_precompile_headers(tolvane_gui PRIVATE ${headers})
    foreach(library tolvane_mainwindow tolvane_dialogs)
      if(TARGET ${library})
        target_precompile_headers(${library} REUSE_FROM tolvane_gui)
      endif()
    endforeach()
  endif()

  get_property(tests GLOBAL PROPERTY TOLVANE_GTEST_TARGETS)
  foreach(test IN LISTS tests)
    tolvane_find_link(${test} "^Qt[0-9]*::Widgets$" widgets)
    get_target_property(definitions ${test} COMPILE_DEFINITIONS)
    if(NOT widgets)
      tolvane_pch_donor(tolvane_pch_gtest HEADERS ${TOLVANE_PCH_GTEST} ${TOLVANE_PCH_STD}
        LIBRARIES GTest::gtest)
      target_precompile_headers(${test} REUSE_FROM tolvane_pch_gtest)
    elseif("QT_NO_KEYWORDS" IN_LIST definitions)
      # The test programs with widgets that use the emulator, whose member
      # emit needs Qt without its keywords.
      find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
      tolvane_pch_donor(tolvane_pch_gtest_qt HEADERS ${TOLVANE_PCH_GTEST} ${TOLVANE_PCH_QT} ${TOLVANE_PCH_STD}
        LIBRARIES GTest::gtest Qt6::Widgets DEFINITIONS QT_NO_KEYWORDS)
      target_precompile_headers(${test} REUSE_FROM tolvane_pch_gtest_qt)
    else()
      tolvane_cxx_headers(headers ${TOLVANE_PCH_GTEST} ${TOLVANE_PCH_QT} ${TOLVANE_PCH_STD})
      target_precompile_headers(${test} PRIVATE ${headers})
    endif()
  endforeach()
endfunction()
