# Turns the Japanese guide (Markdown) into the plain text file that the download holds:
# UTF-8 with a byte-order mark and CR LF line ends, as Windows text readers expect,
# without pictures, code fences and emphasis marks.
# Usage: cmake -DSOURCE=README.ja.md -DTARGET=Duv.txt -P GuideText.cmake
file(STRINGS ${SOURCE} lines ENCODING UTF-8)
string(ASCII 239 187 191 text)
foreach(line IN LISTS lines)
  if(line MATCHES "^!\\[" OR line MATCHES "^```")
    continue()
  endif()
  string(REPLACE "**" "" line "${line}")
  string(REPLACE "`" "" line "${line}")
  string(APPEND text "${line}\r\n")
endforeach()
file(WRITE ${TARGET} "${text}")
