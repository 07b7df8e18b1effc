# Makes the download with the Windows build's package target and checks what it holds:
# Duv.exe, the guide as text and the licence, in one folder named after the version.
# Usage: cmake -DBUILD=<windows build dir> -DVERSION=<x.y.z> -P CheckPackage.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target package RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the package target failed")
endif()
set(zip ${BUILD}/Duv-${VERSION}-x64.zip)
if(NOT EXISTS ${zip})
  message(FATAL_ERROR "no ${zip}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
  message(FATAL_ERROR "${zip} cannot be read")
endif()
foreach(file Duv.exe Duv.txt LICENSE.txt)
  if(NOT listing MATCHES "Duv-${VERSION}-x64/${file}")
    message(FATAL_ERROR "${zip} lacks ${file}:\n${listing}")
  endif()
endforeach()
# The guide opens as Japanese text in Notepad: a UTF-8 byte-order mark and CR LF.
file(READ ${BUILD}/Duv.txt head LIMIT 3 HEX)
file(READ ${BUILD}/Duv.txt bytes HEX)
string(FIND "${bytes}" "0d0a" crlf)
string(FIND "${bytes}" "215b" picture) # "!["
if(NOT head STREQUAL "efbbbf" OR crlf LESS 0 OR picture GREATER_EQUAL 0)
  message(FATAL_ERROR "the guide text is not UTF-8 with a byte-order mark, CR LF and no pictures")
endif()
message(STATUS "${zip}:\n${listing}")
