# The mouse drag test needs an X server, so it runs under xvfb-run rather
# than on the offscreen platform of the other window tests. Without
# xvfb-run it is not registered.
find_program(KOLORAT_XVFB_RUN xvfb-run)
if(KOLORAT_XVFB_RUN AND TARGET kolorat_soundcolours)
  file(GLOB helpers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/soundcolours/support/*.cpp)
  add_executable(soundcolours_tst_realdrag ${PROJECT_SOURCE_DIR}/tests/soundcolours/x11/tst_realdrag.cpp ${helpers})
  target_link_libraries(soundcolours_tst_realdrag PRIVATE kolorat_soundcolours kolorat_testsupport kolorat_session kolorat_platform kolorat_textcore
                        Qt6::Test Qt6::Widgets)
  target_include_directories(soundcolours_tst_realdrag PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(soundcolours_tst_realdrag PRIVATE KOLORAT_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME soundcolours_tst_realdrag
    COMMAND ${KOLORAT_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:soundcolours_tst_realdrag>)
  set_tests_properties(soundcolours_tst_realdrag PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
