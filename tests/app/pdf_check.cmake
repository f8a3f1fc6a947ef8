# SPDX-License-Identifier: GPL-3.0-or-later
# --pdf with no display: the PDF holds the answer line the console shows, or
# the explanation after a solve that writes nothing; a file that cannot be
# written gets one line, exit 2 and no file.
# Variables: PROGRAM, PDFTOTEXT, FOLDER; for Windows also EMULATOR and
# PATH_PREFIX, the drive on which the program sees FOLDER.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
set(environment --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                LC_ALL=bg_BG.UTF-8 WINEDEBUG=-all)

function(run_pdf expected_code line_pattern file)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${environment} ${EMULATOR} ${PROGRAM} ${ARGN}
                --pdf "${PATH_PREFIX}${file}"
        RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
    set(where "'${ARGN}': exit ${code}\nout: ${output}\nerr: ${errors}")
    if(NOT code STREQUAL expected_code)
        message(SEND_ERROR "expected exit ${expected_code} for ${where}")
    endif()
    string(REGEX MATCH "${line_pattern}" line "${output}")
    if(line STREQUAL "")
        message(SEND_ERROR "expected a line '${line_pattern}' on the output for ${where}")
    endif()
    set(line "${line}" PARENT_SCOPE)
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_in_pdf file line)
    execute_process(COMMAND ${PDFTOTEXT} "${file}" - OUTPUT_VARIABLE pdf_text
                    RESULT_VARIABLE code)
    # Lines wrap differently on the page: compare without white space.
    string(ASCII 12 form_feed)
    string(REGEX REPLACE "[ \t\r\n${form_feed}]" "" pdf_text "${pdf_text}")
    string(REGEX REPLACE "[ \t\r\n]" "" line "${line}")
    string(FIND "${pdf_text}" "${line}" at)
    if(NOT code EQUAL 0 OR at EQUAL -1)
        message(SEND_ERROR "expected '${line}' in ${file}, found '${pdf_text}'")
    endif()
endfunction()

run_pdf(0 "Отговор:[^\n]*" "${FOLDER}/решение.pdf" --solve a=10 b=6 c=5)
expect_in_pdf("${FOLDER}/решение.pdf" "${line}")

run_pdf(1 "Няма правоъгълен трапец[^\n]*" "${FOLDER}/none.pdf" --solve a=6 b=3 c=3)
expect_in_pdf("${FOLDER}/none.pdf" "${line}")

# A condition: its reason stands in the PDF too.
run_pdf(0 "△ABD[^\n]*" "${FOLDER}/условие.pdf" --solve a=9 c=4 AC⊥BD)
expect_in_pdf("${FOLDER}/условие.pdf" "${line}")

run_pdf(2 "Отговор:[^\n]*" "${FOLDER}/missing/x.pdf" --solve a=10 b=6 c=5)
if(NOT errors MATCHES "^[^\n]*няма папка[^\n]*\n$" OR EXISTS "${FOLDER}/missing")
    message(SEND_ERROR "expected one line on the missing folder, got '${errors}'")
endif()
file(GLOB left_over "${FOLDER}/*")
list(LENGTH left_over count)
if(NOT count EQUAL 3)
    message(SEND_ERROR "expected only the three written files, found ${left_over}")
endif()
