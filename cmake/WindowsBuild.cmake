# From the native build, the Windows program is cross-compiled as a sub-build of the
# same sources, and its end-to-end tests are registered to run under Wine.
option(DUV_WINDOWS "Cross-compile Duv.exe with MinGW-w64 and test it under Wine" ON)
find_program(DUV_MINGW_CXX x86_64-w64-mingw32-g++-posix)

if(DUV_WINDOWS AND DUV_MINGW_CXX)
  include(ExternalProject)
  set(DUV_WINDOWS_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
  ExternalProject_Add(duv_windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${DUV_WINDOWS_BINARY_DIR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DDUV_WERROR=${DUV_WERROR}
      -DDUV_BENCH=${DUV_BENCH}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  add_subdirectory(tests/wine/ctest)
  add_test(NAME package.ZipHoldsProgramGuideAndLicence
           COMMAND ${CMAKE_COMMAND} -DBUILD=${DUV_WINDOWS_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
                   -P ${CMAKE_SOURCE_DIR}/cmake/CheckPackage.cmake)
  set_tests_properties(package.ZipHoldsProgramGuideAndLicence PROPERTIES LABELS package TIMEOUT 600)
elseif(DUV_WINDOWS)
  message(WARNING "x86_64-w64-mingw32-g++-posix not found: Duv.exe and the Wine tests are skipped")
endif()
