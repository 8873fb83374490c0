# pelmora_layer(NAME [SOURCES files...] [PUBLIC libs...] [PRIVATE libs...])
#
# Adds the static library pelmora_NAME from src/NAME/*.cpp (or SOURCES).
# Its include root holds one link, NAME -> src/NAME, so "NAME/Header.h"
# resolves for it and for what links it, and nothing else does.
function(pelmora_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  endif()
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${name} ${root}/${name} SYMBOLIC)
  endif()
  add_library(pelmora_${name} STATIC ${ARG_SOURCES})
  target_include_directories(pelmora_${name} PUBLIC ${root})
  target_link_libraries(pelmora_${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()
