# embed_bytes(target FILE path INCLUDE name.inc)
#   Makes the bytes of `path` available to `target` as a C initialiser list
#   ("0x89,0x50,...") in the generated file name.inc, for #include inside an
#   array definition. Rebuilt whenever the file changes.
# Run as a script (cmake -DINPUT=... -DOUTPUT=... -P embed_bytes.cmake) it
# writes that file.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  file(WRITE "${OUTPUT}" "${bytes}\n")
  return()
endif()

function(embed_bytes target)
  cmake_parse_arguments(E "" "FILE;INCLUDE" "" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${E_INCLUDE})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${E_FILE} -DOUTPUT=${out} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${E_FILE} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Embedding ${E_FILE}")
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/embedded)
endfunction()
