# The real program in a virtual X display (xvfb-run): start, a few seconds of
# frames, F6 where no full screen can be had, SIGTERM, clean exit with the
# start-up and shut-down stages logged; then its X server ended under it (the
# program ends, the next start runs) and stopped under it (SIGTERM still ends it).
add_test(NAME ShellCoreRealWindow
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/real_window_test.sh $<TARGET_FILE:quillmarch> ${QM_GAME_DIR})
set_tests_properties(ShellCoreRealWindow PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77)
