# The release artefact: a zip of the installation folder, made by every build.
get_property(shipped GLOBAL PROPERTY SHIPPED_TARGETS)
set(PACKAGE_ZIP ${CMAKE_BINARY_DIR}/searchhost-${PROJECT_VERSION}-win32.zip)
set(shipped_files ${APP_DIR}/Main)
foreach(t IN LISTS shipped)
  list(APPEND shipped_files $<TARGET_FILE:${t}>)
endforeach()
add_custom_command(OUTPUT ${PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PACKAGE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${APP_DIR} ${CMAKE_COMMAND} -E tar cf ${PACKAGE_ZIP} --format=zip .
  DEPENDS ${shipped} ${APP_DIR}/Main
  COMMENT "Packing the installation folder into ${PACKAGE_ZIP}")
add_custom_target(package_zip ALL DEPENDS ${PACKAGE_ZIP})
