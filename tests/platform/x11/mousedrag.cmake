# The offscreen platform has no drag and drop, so the mouse drag from a
# palette field onto a target is tested on a virtual X display when there is one.
find_program(KOLORAT_XVFB_RUN xvfb-run)
if(KOLORAT_XVFB_RUN AND TARGET platform_tst_services)
  add_test(NAME platform_colourpanel_mouse_drag
    COMMAND ${KOLORAT_XVFB_RUN} -a $<TARGET_FILE:platform_tst_services> mouseDragCarriesThePaletteColour)
  set_tests_properties(platform_colourpanel_mouse_drag PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
