# The trainer's "Monitor" view must cover what the desktop shows on top,
# which only a real window system can tell: that one test of the trainer
# program runs again under xvfb-run when it is there.
find_program(KOLORAT_XVFB_RUN xvfb-run)
if(KOLORAT_XVFB_RUN AND TARGET trainer_tst_trainer)
  add_test(NAME trainer_monitor_view_covers_the_panel
    COMMAND ${KOLORAT_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:trainer_tst_trainer> monitorViewCoversThePanel)
  set_tests_properties(trainer_monitor_view_covers_the_panel PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
