# The trainer's "Monitor" view must cover what the desktop shows on top,
# which only a real window system can tell: the test runs under xvfb-run.
# Without xvfb-run it is not registered.
find_program(KOLORAT_XVFB_RUN xvfb-run)
if(KOLORAT_XVFB_RUN AND TARGET kolorat_trainer)
  file(GLOB helpers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/trainer/support/*.cpp)
  add_executable(trainer_tst_coverspanel ${PROJECT_SOURCE_DIR}/tests/trainer/x11/tst_coverspanel.cpp ${helpers})
  target_link_libraries(trainer_tst_coverspanel PRIVATE kolorat_trainer kolorat_testsupport kolorat_session kolorat_platform
                        kolorat_textcore Qt6::Test Qt6::Widgets)
  target_include_directories(trainer_tst_coverspanel PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME trainer_tst_coverspanel
    COMMAND ${KOLORAT_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:trainer_tst_coverspanel>)
  set_tests_properties(trainer_tst_coverspanel PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
