# Installation and Debian packages.
#
#   cmake --install build --prefix /usr     installs the program and the SDK
#   cpack -G DEB  (in the build folder)     builds tolvane_*.deb and libcobrix-dev_*.deb
#
# The program folder keeps the layout of the build's bundle folder (programs,
# SDK libraries, files/, icons/, emulator-profiles/, FWUpdate/), since the
# programs find everything beside themselves; the programs are linked into
# bin/. The marker file ".installed" tells the programs that their folder is
# an installed one, so they write into the per-user data folder instead.
# The manual pages are built with the project (target tolvane_man).

set(TOLVANE_INSTALL_PROGRAM_DIR lib/tolvane)
set(TOLVANE_INSTALL_INCLUDE_DIR include)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(TOLVANE_INSTALL_DEV_LIB_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(TOLVANE_INSTALL_DEV_LIB_DIR lib)
endif()
set(TOLVANE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TOLVANE_PACKAGING_BINARY_DIR ${CMAKE_BINARY_DIR}/packaging)

# ---- Manual pages: the sources in docs/man with the version filled in,
# compressed as Debian wants them.
find_program(TOLVANE_GZIP gzip REQUIRED)
set(man_pages)
foreach(page tolvane tolvane-cli printer-emulator)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.1)
  set(page_text ${CMAKE_BINARY_DIR}/man/${page}.1)
  configure_file(${source} ${page_text} @ONLY)
  add_custom_command(OUTPUT ${page_text}.gz
    COMMAND ${TOLVANE_GZIP} -9 -n -f -k ${page_text}
    DEPENDS ${page_text}
    COMMENT "Compressing manual page ${page}.1")
  list(APPEND man_pages ${page_text}.gz)
endforeach()
add_custom_target(tolvane_man ALL DEPENDS ${man_pages})

# ---- Component "program": the package tolvane.
set(program_targets)
foreach(target tolvane tolvane-cli printer-emulator)
  if(TARGET ${target})
    list(APPEND program_targets ${target})
  endif()
endforeach()
set(library_targets cobrix escrix tsprix halvix)
# The SDK libraries and the programs find each other through $ORIGIN, as in
# the bundle.
set_target_properties(${program_targets} ${library_targets} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${program_targets}
  RUNTIME DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR} COMPONENT program)
install(TARGETS ${library_targets}
  LIBRARY DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR} COMPONENT program)

# Shipped data from the sources, never from the bundle, whose printer list
# belongs to whoever ran the program from the build folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/files/ DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR}/files
  COMPONENT program
  FILES_MATCHING PATTERN "*.ini" PATTERN "*.txt" PATTERN "CMakeLists.txt" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/icons/ DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR}/icons
  COMPONENT program)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/emulator/profiles/ DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR}/emulator-profiles
  COMPONENT program
  FILES_MATCHING PATTERN "*.profile")
# The firmware updater, which the program starts as FWUpdate/Brakwell.
if(TARGET Brakwell)
  install(TARGETS Brakwell RUNTIME DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR}/FWUpdate COMPONENT program)
endif()
install(FILES ${TOLVANE_PACKAGING_DIR}/installed-marker DESTINATION ${TOLVANE_INSTALL_PROGRAM_DIR}
  RENAME .installed COMPONENT program)

# The programs on the PATH: relative links into the program folder (the
# programs resolve their own folder through /proc/self/exe).
file(RELATIVE_PATH bin_to_program /usr/bin /usr/${TOLVANE_INSTALL_PROGRAM_DIR})
foreach(target IN LISTS program_targets)
  set(link ${TOLVANE_PACKAGING_BINARY_DIR}/bin/${target})
  file(MAKE_DIRECTORY ${TOLVANE_PACKAGING_BINARY_DIR}/bin)
  file(CREATE_LINK ${bin_to_program}/${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION bin COMPONENT program)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/icons/tolvane.desktop DESTINATION share/applications COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/icons/tolvane.png DESTINATION share/icons/hicolor/256x256/apps
  COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/scripts/udev/60-tolvane-printers.rules DESTINATION lib/udev/rules.d
  COMPONENT program)
install(FILES ${man_pages} DESTINATION share/man/man1 COMPONENT program)

# ---- Component "sdk": the package libcobrix-dev. The library itself stays
# in the program folder (package tolvane); the development link points there.
install(FILES ${PROJECT_SOURCE_DIR}/sdk/include/cobrix.h DESTINATION ${TOLVANE_INSTALL_INCLUDE_DIR}
  COMPONENT sdk)
file(RELATIVE_PATH dev_lib_to_program /usr/${TOLVANE_INSTALL_DEV_LIB_DIR} /usr/${TOLVANE_INSTALL_PROGRAM_DIR})
file(MAKE_DIRECTORY ${TOLVANE_PACKAGING_BINARY_DIR}/lib)
file(CREATE_LINK ${dev_lib_to_program}/libcobrix.so ${TOLVANE_PACKAGING_BINARY_DIR}/lib/libcobrix.so SYMBOLIC)
install(FILES ${TOLVANE_PACKAGING_BINARY_DIR}/lib/libcobrix.so DESTINATION ${TOLVANE_INSTALL_DEV_LIB_DIR}
  COMPONENT sdk)

# cobrix.pc names the prefix it is installed under, known only at install
# time (cpack installs under /usr).
install(CODE "
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(TOLVANE_INSTALL_INCLUDE_DIR \"${TOLVANE_INSTALL_INCLUDE_DIR}\")
  set(TOLVANE_INSTALL_PROGRAM_DIR \"${TOLVANE_INSTALL_PROGRAM_DIR}\")
  configure_file(\"${TOLVANE_PACKAGING_DIR}/cobrix.pc.in\" \"${TOLVANE_PACKAGING_BINARY_DIR}/cobrix.pc\" @ONLY)
  " COMPONENT sdk)
install(FILES ${TOLVANE_PACKAGING_BINARY_DIR}/cobrix.pc DESTINATION ${TOLVANE_INSTALL_DEV_LIB_DIR}/pkgconfig
  COMPONENT sdk)

# The CMake package finds its files relative to its own folder.
include(CMakePackageConfigHelpers)
set(cobrix_cmake_dir ${TOLVANE_INSTALL_DEV_LIB_DIR}/cmake/Cobrix)
configure_package_config_file(${TOLVANE_PACKAGING_DIR}/CobrixConfig.cmake.in
  ${TOLVANE_PACKAGING_BINARY_DIR}/CobrixConfig.cmake
  INSTALL_DESTINATION ${cobrix_cmake_dir}
  PATH_VARS TOLVANE_INSTALL_PROGRAM_DIR TOLVANE_INSTALL_INCLUDE_DIR)
write_basic_package_version_file(${TOLVANE_PACKAGING_BINARY_DIR}/CobrixConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${TOLVANE_PACKAGING_BINARY_DIR}/CobrixConfig.cmake
  ${TOLVANE_PACKAGING_BINARY_DIR}/CobrixConfigVersion.cmake
  DESTINATION ${cobrix_cmake_dir} COMPONENT sdk)

# ---- Debian packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_CONTACT "Tolvane developers <tolvane@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL program sdk)
# Descriptions: a summary line, then the text (cpack indents it).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/tolvane")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(tolvane_deb_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME tolvane)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION utils)
# Besides the libraries the programs link: the Qt platform plugins (loaded
# at run time) and udev for the printer rules.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins, udev")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_CONTROL_EXTRA
  ${TOLVANE_PACKAGING_DIR}/postinst ${TOLVANE_PACKAGING_DIR}/postrm)
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION "service utility for thermal label printers
Tolvane keeps a list of label printers (USB, serial, parallel, network,
Bluetooth), reads and writes their parameters, downloads images, fonts,
templates and firmware, manages the printers' stored files, reads status
and identity and prints test labels. The package holds the utility, the
command-line tool tolvane-cli, the printer emulator with its printer
profiles (for a demonstration without a printer: tolvane --demo), the
Cobrix SDK libraries and udev rules for the supported USB printers.")

set(CPACK_DEBIAN_SDK_PACKAGE_NAME libcobrix-dev)
set(CPACK_DEBIAN_SDK_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SDK_PACKAGE_DEPENDS "tolvane (= ${tolvane_deb_version})")
set(CPACK_COMPONENT_SDK_DESCRIPTION "label printer SDK (development files)
Cobrix opens a label printer's port from an address string (USB, serial,
network, Bluetooth, printer queue), moves bytes to and from the printer,
composes CPCL labels and formats its result codes as text. This package
holds the header cobrix.h, the development link, cobrix.pc for pkg-config
and the CMake package Cobrix (imported target Cobrix::cobrix). The library
itself comes with the package tolvane.")

include(CPack)
