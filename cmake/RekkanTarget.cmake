# Common flags for every target of ours.
function(rekkan_target_flags target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports false -Wrestrict overlaps inside libstdc++'s string concatenation at -O2
    # (GCC bug 105329); the warning points at the standard headers, not at our code.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(REKKAN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# One static library per core folder; its sources are the folder's .cpp files.
function(rekkan_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder whose code has not been written yet still takes part in the chain.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  rekkan_target_flags(${name})
  if(REKKAN_SANITIZE)
    target_link_options(${name} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# One GoogleTest executable per test folder, made of every *_test.cpp in it.
function(rekkan_gtest name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} rekkan_test_support GTest::gtest GTest::gtest_main)
  rekkan_target_flags(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "REKKAN_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;REKKAN_BIN_DIR=${CMAKE_BINARY_DIR}/src/cli"
    DISCOVERY_TIMEOUT 60)
endfunction()

