# cmake -DIN=file -DOUT=header -DNAME=array -P embed_bytes.cmake: the file's bytes as a C++ array.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUT} "#pragma once\n// Generated from ${IN}.\ninline constexpr unsigned char ${NAME}[] = {${bytes}};\n")
