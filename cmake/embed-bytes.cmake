# cmake -DINPUT=file -DOUTPUT=file.inc -P embed-bytes.cmake
# Writes the bytes of INPUT as a C initialiser list ("0x89,0x50,...") for
# #include inside an array definition. A missing INPUT gives the one byte 0,
# which the including code reads as "no data".
if(EXISTS "${INPUT}")
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
else()
  set(bytes "0")
endif()
file(WRITE "${OUTPUT}.tmp" "${bytes}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
