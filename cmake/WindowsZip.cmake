# The target windows-zip makes pelmora-<version>-win64.zip (scripts/package):
# one folder of that name holding pelmora.exe and pelmora-sim.exe, stripped and
# linked statically so that they need only Windows' own DLLs, LICENSE.txt and
# README.md.
set(zip_name pelmora-${PROJECT_VERSION}-win64)
set(zip_file ${PROJECT_BINARY_DIR}/${zip_name}.zip)
set(stage ${PROJECT_BINARY_DIR}/zip-stage)
add_custom_command(OUTPUT ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${zip_name}
  COMMAND ${CMAKE_STRIP} -o ${stage}/${zip_name}/pelmora.exe $<TARGET_FILE:pelmora>
  COMMAND ${CMAKE_STRIP} -o ${stage}/${zip_name}/pelmora-sim.exe $<TARGET_FILE:pelmora-sim>
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${stage}/${zip_name}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/README.md ${stage}/${zip_name}/README.md
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${zip_file} --format=zip ${zip_name}
  DEPENDS pelmora pelmora-sim ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
  VERBATIM)
add_custom_target(windows-zip DEPENDS ${zip_file})
