# fup_library(<folder> [DEPS lib...] [LIBS extern...])
# One static library per source folder, built from every .cpp in that folder (and its
# sub-folders). DEPS names other fup_ libraries; the dependency graph is fixed here, so
# an include across a forbidden edge fails to compile.
function(fup_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(target fup_${folder})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(${target} PUBLIC fup_${dep})
  endforeach()
  if(ARG_LIBS)
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# fup_test(<subsystem> [OWN_MAIN] [LIBS lib...]): one GoogleTest executable per tests/
# folder. OWN_MAIN: the folder brings its own main() (the GUI tests need a QApplication
# that outlives every test and dies before static destruction).
function(fup_test subsystem)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target test_${subsystem})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${target} PRIVATE FUP_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                                FUP_LOCALE_DIR="${CMAKE_BINARY_DIR}/bin/locale")
  add_dependencies(${target} translations)
  include(GoogleTest)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
