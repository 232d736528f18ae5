# Compiling files into a program or library, rebuilt whenever the file changes.
#
# embed_bytes(target FILE path INCLUDE name.inc)
#   The bytes as a C initialiser list ("0x89,0x50,...") in the generated file
#   name.inc, for #include inside an array definition.
# embed_blob(target NAME name FILE path)
#   A constexpr searchkit::LengthPrefixedBlob called `name` (the words 1 and the
#   length right in front of the bytes) in the generated header name.inc.
#
# Run as a script (cmake -DINPUT=... -DOUTPUT=... [-DBLOB_NAME=...] -P
# embed_bytes.cmake) it writes that file.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  if(BLOB_NAME)
    file(SIZE "${INPUT}" size)
    file(WRITE "${OUTPUT}"
      "// Generated from ${INPUT}; do not edit.\n"
      "constexpr searchkit::LengthPrefixedBlob<${size}> ${BLOB_NAME}{1, ${size}, {\n${bytes}}};\n")
  else()
    file(WRITE "${OUTPUT}" "${bytes}\n")
  endif()
  return()
endif()

set(EMBED_BYTES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(_embed_file target input include_name)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${include_name})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${out} ${ARGN} -P ${EMBED_BYTES_SCRIPT}
    DEPENDS ${input} ${EMBED_BYTES_SCRIPT}
    COMMENT "Embedding ${input}")
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/embedded)
endfunction()

function(embed_bytes target)
  cmake_parse_arguments(E "" "FILE;INCLUDE" "" ${ARGN})
  _embed_file(${target} ${E_FILE} ${E_INCLUDE})
endfunction()

function(embed_blob target)
  cmake_parse_arguments(E "" "NAME;FILE" "" ${ARGN})
  _embed_file(${target} ${E_FILE} ${E_NAME}.inc -DBLOB_NAME=${E_NAME})
endfunction()
