# Helpers shared by the folders of the build.

# caloriva_test(NAME SOURCES... LIBS libs...)
# A GoogleTest executable registered with CTest; every test runs headless
# in its own temporary folders.
function(caloriva_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} caloriva_testsupport GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
    BUILD_WITH_INSTALL_RPATH OFF BUILD_RPATH "${CALORIVA_DLL_DIR};${CALORIVA_BIN_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CALORIVA_BIN_DIR=${CALORIVA_BIN_DIR};CALORIVA_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST)
endfunction()

# caloriva_bench(NAME SOURCES... LIBS libs...)
function(caloriva_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench"
    BUILD_WITH_INSTALL_RPATH OFF BUILD_RPATH "${CALORIVA_DLL_DIR};${CALORIVA_BIN_DIR}")
endfunction()
