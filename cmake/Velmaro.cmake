# One library per folder: every .cpp of the folder belongs to it. A folder without sources yet
# becomes an interface library so that its dependents still configure.
# DEPS reach the library's dependents (its headers use them); PRIVATE_DEPS serve its own .cpp
# files only. Qt, pugixml and libcurl are PRIVATE_DEPS of the platform, so nothing above it can
# include them.
function(velmaro_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  else()
    # Without sources there is nothing to use the private ones.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT folder MATCHES "^platform/")
    velmaro_qt_include_check(${name} ${ARG_DEPS} ${ARG_PRIVATE_DEPS})
  endif()
endfunction()

# Qt belongs to platform/ alone. For a target outside it that links the given dependencies, a
# test compiles a source that includes <QWidget> with the include paths and flags the target's
# own sources get, and passes only when the compiler reports the header missing. The probe is
# never part of a normal build, and it is written into the build tree so that the source tree
# holds no Qt include outside platform/.
set(VELMARO_QT_PROBE ${PROJECT_BINARY_DIR}/QtIncludeProbe.cpp)
file(WRITE ${VELMARO_QT_PROBE} "#include <QWidget>\n")
function(velmaro_qt_include_check name)
  set(probe ${name}_qt_include_probe)
  add_library(${probe} OBJECT EXCLUDE_FROM_ALL ${VELMARO_QT_PROBE})
  target_include_directories(${probe} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${probe} PRIVATE ${ARGN})
  add_test(NAME qt_unreachable_from_${name}
           COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target ${probe})
  # Any other failure (a broken dependency, a missing tool) does not match, so it fails the test.
  set_tests_properties(qt_unreachable_from_${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "QtIncludeProbe\\.cpp.*(QWidget: No such file or directory|'QWidget' file not found)"
    RESOURCE_LOCK velmaro_build_tree
    TIMEOUT 300)
endfunction()

# One test program per library folder: tests/<folder>/*.cpp. UI test programs use the shared
# main that starts the platform on Qt's offscreen backend; the others use GoogleTest's main.
function(velmaro_tests name folder)
  cmake_parse_arguments(ARG "UI" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_UI)
    set(deps ${ARG_DEPS} velmaro_ui_test_main GTest::gmock)
  else()
    set(deps ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  endif()
  target_link_libraries(${name} PRIVATE ${deps})
  target_compile_definitions(${name} PRIVATE
    VELMARO_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
    VELMARO_TOOLS_DIR="${PROJECT_BINARY_DIR}/tools")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  # The platform UI's own tests reach under it on purpose; no other test sees Qt.
  if(NOT folder STREQUAL "platform/ui")
    velmaro_qt_include_check(${name} ${deps})
  endif()
endfunction()
