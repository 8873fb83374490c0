# The Windows build's tests: the core's tests that need neither the virtual
# printer nor Linux, and the Windows layer's own (the win32/ folders), one
# program per folder, run under Wine in a prefix of the build folder.
add_library(pelmora_test_files STATIC support/TempDir.cpp)
target_include_directories(pelmora_test_files PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(pelmora_test_files PUBLIC GTest::gtest GTest::gmock)

set(context_portable FirmwareVersionTest JobRunnerTest SettingsStoreTest
    StoreJournalTest TcpAddressTest)
set(vmsm_portable ConfigFieldsTest ManagerPagesTest)
set(link_portable)
set(PELMORA_WINEPREFIX ${PROJECT_BINARY_DIR}/wine CACHE PATH "The Wine prefix the tests run in")

foreach(area link context vmsm)
  set(sources)
  foreach(name ${${area}_portable})
    list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${area}/${name}.cpp)
  endforeach()
  file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/win32/*.cpp)
  add_executable(${area}_tests ${sources} ${win32_sources})
  target_include_directories(${area}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${area})
  target_link_libraries(${area}_tests PRIVATE pelmora_${area} pelmora_test_files GTest::gtest_main)
  # POSIX file modes mean nothing on Windows: the folder's access list rules there.
  add_test(NAME wine.${area} COMMAND ${area}_tests --gtest_filter=-*.ASaveKeepsTheFilesPermissions)
  set_tests_properties(wine.${area} PROPERTIES TIMEOUT 300
    ENVIRONMENT "WINEPREFIX=${PELMORA_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
endforeach()
