# vn_module(<target> [DEPS <targets>...])
#
# One library target per folder: every *.cpp of the folder except *_test.cpp goes into the
# static library <target>; every *_test.cpp goes into <target>_tests, a GoogleTest program
# registered with CTest. A folder links only what it names in DEPS, so an include in the
# wrong direction fails to link.
function(vn_module target)
  cmake_parse_arguments(VN "" "" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${VN_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${VN_DEPS})
  endif()
  if(VN_TESTS AND tests)
    add_executable(${target}_tests ${tests})
    target_link_libraries(${target}_tests PRIVATE ${target} ${VN_TEST_DEPS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${target}_tests PRIVATE
      VN_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VN_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/testdata")
    gtest_discover_tests(${target}_tests DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
endfunction()
