# Helpers shared by the source, test, fuzz and benchmark folders.
#
# Every folder below src/ is one library target whose sources are the .cpp
# files of the folder (and of the subfolders it names), so adding a file needs
# no edit of a shared list.

# tolvex_library(NAME folder... [LINKS ...])
function(tolvex_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LINKS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# tolvex_test(NAME LABEL unit|widget|e2e SOURCES ... LINKS ...)
# One executable per test folder; each test case is its own ctest entry.
function(tolvex_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LINKS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE tolvex_test_support ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE
    TOLVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TOLVEX_FIXTURE_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    TOLVEX_BUILD_DIR="${CMAKE_BINARY_DIR}")
  # End-to-end tests drive real X servers, window managers and mouse drags;
  # they run one at a time so a busy machine cannot reorder their events.
  set(serial)
  if(ARG_LABEL STREQUAL "e2e")
    set(serial RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${ARG_LABEL} ${serial} ${ARG_PROPERTIES})
endfunction()

# tolvex_fuzzer(NAME SOURCES ... LINKS ...): a libFuzzer target (TOLVEX_FUZZ=ON, clang).
function(tolvex_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  if(NOT TOLVEX_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt.
function(tolvex_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
