# cmake -DNAME=n -DIN=file -DOUT=header -P write_blob.cmake
# Writes a header that defines the file's bytes as a length-prefixed blob.
file(SIZE ${IN} size)
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT}
  "// Generated from ${IN}; do not edit.\n"
  "constexpr searchkit::LengthPrefixedBlob<${size}> ${NAME}{1, ${size}, {\n${bytes}}};\n")
