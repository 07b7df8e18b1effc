# What a Windows user downloads: Duv-<version>-x64.zip with Duv.exe, the Japanese guide
# as a text file and the licence (cmake --build --preset windows --target package).
set(guide ${CMAKE_BINARY_DIR}/Duv.txt)
add_custom_command(OUTPUT ${guide}
                   COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/README.ja.md -DTARGET=${guide}
                           -P ${PROJECT_SOURCE_DIR}/cmake/GuideText.cmake
                   DEPENDS ${PROJECT_SOURCE_DIR}/README.ja.md ${PROJECT_SOURCE_DIR}/cmake/GuideText.cmake
                   COMMENT "Writing the guide as text")
add_custom_target(duv_guide ALL DEPENDS ${guide})

install(TARGETS Duv RUNTIME DESTINATION .)
install(FILES ${guide} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Duv)
set(CPACK_PACKAGE_VENDOR "The Duv developers")
set(CPACK_PACKAGE_FILE_NAME Duv-${PROJECT_VERSION}-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
