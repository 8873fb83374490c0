# pelmora_layer(DIR [SOURCES files...] [PUBLIC libs...] [PRIVATE libs...])
#
# Adds the static library pelmora_<DIR with "/" as "_"> from src/DIR/*.cpp (or
# SOURCES). Its include root holds one link, DIR -> src/DIR, so "DIR/Header.h"
# resolves for it and for what links it, and nothing else does.
function(pelmora_layer dir)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp)
  endif()
  string(REPLACE "/" "_" name ${dir})
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  get_filename_component(parent ${root}/${dir} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${dir})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${dir} ${root}/${dir} SYMBOLIC)
  endif()
  add_library(pelmora_${name} STATIC ${ARG_SOURCES})
  target_include_directories(pelmora_${name} PUBLIC ${root})
  target_link_libraries(pelmora_${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()
