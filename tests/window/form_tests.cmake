# The window, its marker and its geometry rules (target cellaro_window).
cellaro_add_test(tst_mark_cell tst_mark_cell.cpp cellaro_window)
cellaro_add_test(tst_list_box_text tst_list_box_text.cpp cellaro_window)
cellaro_add_test(tst_form_geometry tst_form_geometry.cpp cellaro_window)
cellaro_add_test(tst_form1 tst_form1.cpp cellaro_window)

# The same window cases on a screen with two device pixels per logical pixel.
add_test(NAME tst_form1_hidpi COMMAND tst_form1)
set_tests_properties(tst_form1_hidpi PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
cellaro_add_test(tst_form1_hostile tst_form1_hostile.cpp cellaro_window)
