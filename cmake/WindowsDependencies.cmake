# What the Windows build takes from this Debian machine. Header-only libraries
# come from their Debian packages through a folder that holds only them, so no
# other Linux header can reach the Windows compiler; GoogleTest is built from
# Debian's sources with the cross compiler (it names its targets GTest::*).
set(staged ${PROJECT_BINARY_DIR}/staged-include)
file(MAKE_DIRECTORY ${staged})
foreach(dir nlohmann CLI)
  if(NOT EXISTS ${staged}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${staged}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${staged})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${staged})
set(THREADS_PREFER_PTHREAD_FLAG ON)
find_package(Threads REQUIRED)

if(PELMORA_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
