# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the command line with no display in the Bulgarian locale and checks
# the exit code of each case and one line of its output: the solution on the
# standard output, or exactly one line on the error output.
# Variables: PROGRAM, VERSION; for Windows also EMULATOR and WINDOWS.
cmake_minimum_required(VERSION 3.25)
set(environment --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                LC_ALL=bg_BG.UTF-8 WINEDEBUG=-all)
# exit code | text the output holds | arguments
set(cases
    "0|3,3166248|--solve a=10 b=6 c=5"
    "0|4,5|--solve S=18 P=18 h=4,5"
    # Any two or three elements that form no kind.
    "0|/ 2 = 40|--solve a=12 c=8 B=45"
    "0|∠ABC = 45°|--solve ∠C=135 a=12 c=8"
    "0|дават S = 84|--solve MN=14 h=6"
    # A rectangle either way, a shorter AB, and numbers beyond a double.
    "0|m = HB = 0: трапецът е правоъгълник|--solve m=0 h=4 a=6"
    "0|AB е по-малката основа|--solve a=3 c=5 h=1"
    "1|твърде големи|--solve a=1e300 B=90 b=1e-12"
    "1|зависими: MN = \\(a \\+ c\\)/2|--solve a=12 c=8 MN=10"
    "1|си противоречат|--solve a=12 c=8 MN=11"
    "2|0° < ∠B ≤ 90°|--solve a=12 c=8 B=100"
    "2|ъгълът е даден два пъти|--solve B=45 C=135 a=3"
    "0|Употреба:|--help"
    "0|${VERSION}|--version"
    "1||--solve a=6 b=3 c=3"
    "2|даден е 1 елемент|--solve a=1"
    "2|„x“|--solve a=x b=2 c=1"
    "2|„6cm“|--solve a=6cm b=5 h=4"
    "2|„0“|--solve a=0 b=5 h=4"
    "2|дадени са 6 елемента|--solve a=1 b=2 c=3 h=4 P=5 S=6"
    # Givens as a textbook states them: conditions, exact values, angle
    # functions, one angle alone, four or five givens.
    "0|S = 175√3/8|--solve a=10 B=60 ACB=90"
    "0|r = h/2 = 4|--solve P=40 b=12 a+c=b+h"
    "0|S = 58,5|--solve a=12 h=6 ∠ABD=∠DBC"
    "0|b = √61 ≈ 7,8102497|--solve a=9 c=4 AC⊥BD"
    "0|∠BCD ≈ 153°26′6″. нужна е още една дължина|--solve a:c=3:1 h=c"
    "0|∠ABC = 30°|--solve a=7 c=4 h=2sqrt3/2"
    "0|b = 2√3|--solve a=7 c=4 h=√3"
    "0|Отговор: a = 6. b = 5|--solve c=3 h=4 tgB=4/3"
    "0|∠BCD = 135°|--solve B=45"
    "1|противоречат: „b=4“|--solve a=10 c=4 h=2sqrt3 b=4"
    "1|не са перпендикулярни|--solve a=10 c=4 AB⊥BC"
    "1|една дадена не стига|--solve h=√3"
    "2|„x“|--solve a=10 c=4 x=3"
    "2|дължина се сравнява само с дължина|--solve a=3B c=4 h=2"
    "2|a е даден два пъти|--solve a=1 b=2 a=3"
    "1|няма корен|--solve a=1 b=2 S=3"
    "2|„A“|--solve A=1 b=2 c=3"
    "2|„--frobnicate“|--frobnicate"
    "2|заедно с --solve|--pdf x.pdf"
    "2|след --solve|a=10 b=6 c=5")
if(NOT WINDOWS)
    # The toolkit's own options are the window's: here it finds no display.
    list(APPEND cases "1|no display|-style fusion")
endif()
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 expected_code)
    list(GET fields 1 needle)
    list(GET fields 2 argument_text)
    separate_arguments(arguments UNIX_COMMAND "${argument_text}")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${environment} ${EMULATOR} ${PROGRAM} ${arguments}
        RESULT_VARIABLE code
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        TIMEOUT 30)
    set(where "'${argument_text}': exit ${code}\nout: ${output}\nerr: ${errors}")
    if(NOT code STREQUAL expected_code)
        message(SEND_ERROR "expected exit ${expected_code} for ${where}")
    endif()
    if(code STREQUAL "0" OR (code STREQUAL "1" AND errors STREQUAL ""))
        set(shown "${output}")
        if(NOT errors STREQUAL "")
            message(SEND_ERROR "expected no error output for ${where}")
        endif()
    else()
        set(shown "${errors}")
        string(REGEX MATCHALL "\n" line_ends "${errors}")
        list(LENGTH line_ends line_count)
        if(NOT line_count EQUAL 1 OR NOT output STREQUAL "")
            message(SEND_ERROR "expected one error line and no output for ${where}")
        endif()
    endif()
    if(shown STREQUAL "" OR (needle AND NOT shown MATCHES "${needle}"))
        message(SEND_ERROR "expected '${needle}' in the output for ${where}")
    endif()
endforeach()
