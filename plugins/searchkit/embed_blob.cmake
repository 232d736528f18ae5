# embed_blob(target NAME name FILE path): compiles the file `path` into
# `target` as a constexpr searchkit::LengthPrefixedBlob called `name`, found in
# the generated header "<name>.inc" (on the target's include path). Rebuilt
# whenever the file changes.
function(embed_blob target)
  cmake_parse_arguments(E "" "NAME;FILE" "" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded/${E_NAME}.inc)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DNAME=${E_NAME} -DIN=${E_FILE} -DOUT=${out}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/write_blob.cmake
    DEPENDS ${E_FILE} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/write_blob.cmake
    COMMENT "Embedding ${E_FILE}")
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/embedded)
endfunction()
