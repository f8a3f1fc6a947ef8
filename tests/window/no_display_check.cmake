# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program where no display can be reached and expects exactly one
# line on the error output and the exit code 1, not an abort.
# Variables: PROGRAM, and DISPLAY_VALUE (empty: no DISPLAY at all).
set(environment --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE)
if(DISPLAY_VALUE)
    list(APPEND environment "DISPLAY=${DISPLAY_VALUE}")
else()
    list(APPEND environment --unset=DISPLAY)
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${environment} ${PROGRAM}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    TIMEOUT 30)
if(NOT result STREQUAL "1")
    message(FATAL_ERROR "expected exit code 1, got '${result}'; error output:\n${errors}")
endif()
string(REGEX MATCHALL "\n" line_ends "${errors}")
list(LENGTH line_ends line_count)
if(NOT line_count EQUAL 1 OR NOT errors MATCHES "no display")
    message(FATAL_ERROR "expected one line naming the missing display, got:\n${errors}")
endif()
