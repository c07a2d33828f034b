# `cmake --build --preset x86 --target release` makes bundelor-<version>.zip
# beside the stripped, optimised 32-bit program.
set(BUNDELOR_ZIP ${CMAKE_BINARY_DIR}/bundelor-${PROJECT_VERSION}.zip)
add_custom_command(
  OUTPUT ${BUNDELOR_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/release
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/release
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:bundelor> ${CMAKE_BINARY_DIR}/release/bundelor.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/res/release-readme.txt
          ${CMAKE_BINARY_DIR}/release/LIESMICH-README.txt
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/release
          ${CMAKE_COMMAND} -E tar cf ${BUNDELOR_ZIP} --format=zip bundelor.exe LIESMICH-README.txt
  DEPENDS bundelor ${CMAKE_SOURCE_DIR}/res/release-readme.txt
  COMMENT "Packing ${BUNDELOR_ZIP}")
add_custom_target(release DEPENDS ${BUNDELOR_ZIP})
