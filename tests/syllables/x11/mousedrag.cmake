# The offscreen platform has no drag and drop, so the mouse drag from the
# palette onto a target is tested on a virtual X display when there is one.
find_program(KOLORAT_XVFB_RUN xvfb-run)
if(KOLORAT_XVFB_RUN AND TARGET syllables_tst_syllablewindow)
  add_test(NAME syllables_mouse_drag
    COMMAND ${KOLORAT_XVFB_RUN} -a $<TARGET_FILE:syllables_tst_syllablewindow> mouseDragsPaletteColourOntoTarget)
  set_tests_properties(syllables_mouse_drag PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
