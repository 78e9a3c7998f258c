# One library per folder: every .cpp of the folder belongs to it. A folder without sources yet
# becomes an interface library so that its dependents still configure.
function(velmaro_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
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
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} velmaro_ui_test_main GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${name} PRIVATE
    VELMARO_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
    VELMARO_TOOLS_DIR="${PROJECT_BINARY_DIR}/tools")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
