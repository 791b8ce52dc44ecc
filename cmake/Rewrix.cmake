# Helpers shared by the folders' CMakeLists.

# rewrix_program_executable(target): the executable lands in the program's
# directory, beside data/, edit/ and skinh.she.
function(rewrix_program_executable target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${REWRIX_PROGRAM_DIR})
  add_dependencies(${target} program_files)
endfunction()

# rewrix_add_test(NAME name SOURCES ... LIBS ... [QT])
# One GoogleTest executable, its cases registered with CTest one by one.
# QT tests link a main that starts a QApplication on the offscreen platform.
function(rewrix_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} rewrix_qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    REWRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    REWRIX_PROGRAM_DIR="${REWRIX_PROGRAM_DIR}")
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# rewrix_add_test_folder(PREFIX p LIBS ... [QT])
# Every *_test.cpp of the calling folder becomes its own test executable
# p_<file>, so that one broken file does not stop the others from building.
function(rewrix_add_test_folder)
  cmake_parse_arguments(F "QT" "PREFIX" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src ${sources})
    get_filename_component(stem ${src} NAME_WE)
    if(F_QT)
      rewrix_add_test(NAME ${F_PREFIX}_${stem} SOURCES ${src} LIBS ${F_LIBS} QT)
    else()
      rewrix_add_test(NAME ${F_PREFIX}_${stem} SOURCES ${src} LIBS ${F_LIBS})
    endif()
  endforeach()
endfunction()
