# vn_module(<target> [DRIVER] [DEPS <targets>...] [TEST_DEPS <targets>...]
#           [RESET <function> <header>])
#
# One library target per folder: every *.cpp of the folder except *_test.cpp goes into the
# static library <target>; every *_test.cpp goes into <target>_tests, a GoogleTest program
# registered with CTest. A folder links only what it names in DEPS, so an include in the
# wrong direction fails to link.
#
# Every test program runs under the strict listener (host/testing): before each test it calls
# the module-wide reset of its layer, given by RESET (a function and the header declaring it)
# or else taken from the first of DEPS that has one. DRIVER marks a host stand-in that may
# include the window system's test-driver headers (win_driver.h); module code may not, and
# test programs always may.
function(vn_module target)
  cmake_parse_arguments(VN "DRIVER" "" "DEPS;TEST_DEPS;RESET" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${VN_DEPS})
    if(VN_DRIVER)
      target_compile_definitions(${target} PRIVATE VN_WIN_DRIVER)
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${VN_DEPS})
  endif()
  set(reset "${VN_RESET}")
  if(NOT reset)
    foreach(dep ${VN_DEPS})
      get_property(reset GLOBAL PROPERTY VN_RESET_${dep})
      if(reset)
        break()
      endif()
    endforeach()
  endif()
  set_property(GLOBAL PROPERTY VN_RESET_${target} "${reset}")
  if(VN_TESTS AND tests)
    list(GET reset 0 VN_RESET_FUNCTION)
    list(GET reset 1 VN_RESET_HEADER)
    add_executable(${target}_tests ${tests})
    vn_strict_test_main(${target}_tests ${VN_RESET_FUNCTION} ${VN_RESET_HEADER})
    target_link_libraries(${target}_tests PRIVATE ${target} ${VN_TEST_DEPS})
    target_compile_definitions(${target}_tests PRIVATE
      VN_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VN_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/testdata")
    gtest_discover_tests(${target}_tests DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
endfunction()

# vn_strict_test_main(<test program> <reset function> <header>): gives a GoogleTest program
# the main that runs it under the strict listener with that reset, and lets it include the
# window system's test-driver headers, with GoogleTest's header precompiled.
function(vn_strict_test_main program reset_function reset_header)
  set(VN_TEST_TARGET ${program})
  set(VN_RESET_FUNCTION ${reset_function})
  set(VN_RESET_HEADER ${reset_header})
  set(main ${CMAKE_CURRENT_BINARY_DIR}/${program}_main.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/vn_test_main.cpp.in ${main} @ONLY)
  target_sources(${program} PRIVATE ${main})
  target_link_libraries(${program} PRIVATE vn_testing GTest::gtest)
  target_compile_definitions(${program} PRIVATE VN_WIN_DRIVER)
  # Every test file includes GoogleTest: read once per program, it is about a second less
  # compile time per file.
  target_precompile_headers(${program} PRIVATE <gtest/gtest.h>)
  # g++ 12 reports its own string code as out of bounds when the headers come precompiled
  # (a false positive it keeps quiet about for headers read as system headers).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${program} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
      -Wno-stringop-overread)
  endif()
endfunction()
