# kolorat_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [NEEDS_GUI])
# Registers one test executable with CTest. NEEDS_GUI runs it on Qt's offscreen
# platform so that windows can be created without a display.
function(kolorat_add_test)
  cmake_parse_arguments(T "NEEDS_GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    KOLORAT_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env "KOLORAT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  if(T_NEEDS_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

# Every tests/<folder>/tst_*.cpp becomes a Qt Test executable linked against
# the folder's library, every *_test.cpp a GoogleTest executable.
function(kolorat_add_folder_tests folder)
  set(lib kolorat_${folder})
  file(GLOB qt_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  foreach(src ${qt_tests})
    get_filename_component(name ${src} NAME_WE)
    file(GLOB helpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.cpp)
    kolorat_add_test(NAME ${folder}_${name} SOURCES ${src} ${helpers}
      LIBS ${lib} ${KOLORAT_TESTS_ALSO_LINK_${folder}} kolorat_testsupport kolorat_session kolorat_platform kolorat_textcore
           Qt6::Test Qt6::Widgets NEEDS_GUI)
    target_include_directories(${folder}_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    kolorat_share_pch(${folder}_${name} QTTEST)
  endforeach()
  file(GLOB g_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
  foreach(src ${g_tests})
    get_filename_component(name ${src} NAME_WE)
    kolorat_add_test(NAME ${folder}_${name} SOURCES ${src} LIBS ${lib} GTest::gtest GTest::gtest_main)
    kolorat_share_pch(${folder}_${name} GTEST)
  endforeach()
endfunction()
