# Makes the recording stand-in the system's UxTheme of the test program in the Wine prefix of its tests:
# the Wine runner makes the prefix (if needed) while it sets, for that program alone, the native UxTheme
# before Wine's own; then the stand-in replaces Wine's uxtheme.dll in the prefix's system32. Other programs
# of the prefix (the desktop, the debugger) keep Wine's UxTheme, whose every function they may call.
# The run has a display of its own: the desktop process that it starts then belongs to it and ends with it;
# started without one, it would linger a few seconds and refuse the first test's windows. Its output goes
# to a file: Wine's services, started by the run, outlive it and would hold a pipe open, and CTest with it.
get_filename_component(program ${PROGRAM} NAME)
set(log ${PREFIX}.log)
execute_process(COMMAND xvfb-run -a -s "-screen 0 1280x1024x24"
                        ${CMAKE_COMMAND} -E env QEL_WINEPREFIX=${PREFIX}
                        ${RUNNER} reg add "HKCU\\Software\\Wine\\AppDefaults\\${program}\\DllOverrides"
                                  /v uxtheme /d native /f
                OUTPUT_FILE ${log} ERROR_FILE ${log} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    file(READ ${log} output)
    message(FATAL_ERROR "the Wine prefix ${PREFIX} could not be prepared (${rc}):\n${output}")
endif()
# Only when changed: a test program of an earlier run may still be ending with the stand-in mapped.
file(COPY_FILE ${STUB} ${PREFIX}/drive_c/windows/system32/uxtheme.dll ONLY_IF_DIFFERENT)
