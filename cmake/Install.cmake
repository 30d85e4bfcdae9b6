# What `cmake --install` puts where, the exported package (find_package and
# pkg-config) and the Debian package (cpack -G DEB).
#
#   bin/tessan                              the command-line tool
#   lib/liborv.so, lib/libmirel.so          the reference host, the base runtime
#   lib/tessan/libtessan.so                 the plug-in (TESSAN_PLUGIN_DIR)
#   include/tessan/{orv,orvref,mirel}/      their public headers
#   lib/cmake/tessan/, lib/pkgconfig/       the package files
#   share/man/man1/tessan.1, share/bash-completion/completions/tessan
include(CMakePackageConfigHelpers)

set(TESSAN_PLUGIN_DIR "${CMAKE_INSTALL_LIBDIR}/tessan" CACHE STRING "Where the plug-in is installed, below the prefix")
set(TESSAN_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/tessan")

# Installed programs and libraries find each other relative to their own
# folders, so an installed tree can be moved as a whole.
function(tessan_relative_path variable from to)
  file(RELATIVE_PATH path "/${from}" "/${to}")
  string(REGEX REPLACE "/$" "" path "${path}")
  if(path STREQUAL "")
    set(path ".")
  endif()
  set(${variable} "${path}" PARENT_SCOPE)
endfunction()
tessan_relative_path(BIN_TO_LIB "${CMAKE_INSTALL_BINDIR}" "${CMAKE_INSTALL_LIBDIR}")
tessan_relative_path(BIN_TO_PLUGIN "${CMAKE_INSTALL_BINDIR}" "${TESSAN_PLUGIN_DIR}")
tessan_relative_path(PLUGIN_TO_LIB "${TESSAN_PLUGIN_DIR}" "${CMAKE_INSTALL_LIBDIR}")
tessan_relative_path(PKGCONFIG_TO_PREFIX "${CMAKE_INSTALL_LIBDIR}/pkgconfig" "")

set_target_properties(tessan_cli PROPERTIES INSTALL_RPATH "$ORIGIN/${BIN_TO_LIB}")
set_target_properties(libtessan PROPERTIES INSTALL_RPATH "$ORIGIN/${PLUGIN_TO_LIB}" EXPORT_NAME plugin)
set_target_properties(orv PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(orv mirel PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
# Where the installed tool looks for the plug-in when none sits beside it.
target_compile_definitions(tessan_shell PRIVATE TESSAN_PLUGIN_FROM_BINDIR="${BIN_TO_PLUGIN}")

install(TARGETS mirel orv_api orv EXPORT tessanTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessan)
install(TARGETS libtessan EXPORT tessanTargets LIBRARY DESTINATION ${TESSAN_PLUGIN_DIR})
install(TARGETS tessan_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY
  ${PROJECT_SOURCE_DIR}/include/orv
  ${PROJECT_SOURCE_DIR}/host/include/orvref
  ${PROJECT_SOURCE_DIR}/runtime/include/mirel
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessan)

install(EXPORT tessanTargets NAMESPACE tessan:: DESTINATION ${TESSAN_CMAKE_DIR})
configure_package_config_file(cmake/tessanConfig.cmake.in ${PROJECT_BINARY_DIR}/tessanConfig.cmake
  INSTALL_DESTINATION ${TESSAN_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tessanConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tessanConfig.cmake ${PROJECT_BINARY_DIR}/tessanConfigVersion.cmake
  DESTINATION ${TESSAN_CMAKE_DIR})
configure_file(cmake/tessan.pc.in ${PROJECT_BINARY_DIR}/tessan.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessan.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

configure_file(docs/tessan.1.in ${PROJECT_BINARY_DIR}/tessan.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessan.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES tools/tessan/completion.bash RENAME tessan DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES README.md docs/trace-format.md docs/run-model.md docs/milling.svg DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME tessan)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Controller plug-in for NC part programs, its reference host and the tessan tool")
set(CPACK_PACKAGE_CONTACT "The libtessan developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
