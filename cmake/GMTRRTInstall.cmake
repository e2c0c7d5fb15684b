# Installation: the library with its version and SONAME, every public header
# under include/GMTRRT, a CMake package exporting GMTRRT::GMTRRT, and a
# pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(GMTRRT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/GMTRRT)

install(TARGETS GMTRRT EXPORT GMTRRTTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
                NAMELINK_COMPONENT development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
install(FILES ${GMTRRT_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/GMTRRT
        COMPONENT development)
install(EXPORT GMTRRTTargets NAMESPACE GMTRRT:: DESTINATION ${GMTRRT_INSTALL_CMAKEDIR}
        COMPONENT development)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/GMTRRTConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/GMTRRTConfig.cmake
                              INSTALL_DESTINATION ${GMTRRT_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/GMTRRTConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/GMTRRTConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/GMTRRTConfigVersion.cmake
        DESTINATION ${GMTRRT_INSTALL_CMAKEDIR} COMPONENT development)

# The pkg-config file finds its prefix relative to itself, so an installed
# tree can be moved or installed with `cmake --install --prefix`.
set(GMTRRT_PC_TO_PREFIX "/")
cmake_path(RELATIVE_PATH GMTRRT_PC_TO_PREFIX BASE_DIRECTORY "/${CMAKE_INSTALL_LIBDIR}/pkgconfig")
configure_file(${CMAKE_CURRENT_LIST_DIR}/GMTRRT.pc.in ${CMAKE_CURRENT_BINARY_DIR}/GMTRRT.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/GMTRRT.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# The release archive of this build: the installed tree as one file, a ZIP
# for Windows (bin/GMTRRT.dll, lib/GMTRRT.dll.a, include/, the CMake and
# pkg-config files) and a gzipped tarball elsewhere. `cpack` in the build
# folder makes it; the packaging workflows run it after the tests.
set(CPACK_PACKAGE_NAME GMTRRT)
set(CPACK_PACKAGE_VENDOR "GMTRRT")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_STRIP_FILES OFF)
include(CPack)
