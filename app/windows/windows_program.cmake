# SPDX-License-Identifier: GPL-3.0-or-later
# The program for Windows, twice: trapezoid-calculator.exe opens no console
# beside its window, and trapezoid-calculator-cli.exe is the same program as a
# console program, so that cmd.exe waits for it and sees its exit code. Both
# are static and carry the icon, the version information and the toolkit's
# Bulgarian translation.
enable_language(RC)

# The console twin takes the program's sources and libraries as they stand.
get_target_property(program_sources trapezoid-calculator SOURCES)
get_target_property(program_libraries trapezoid-calculator LINK_LIBRARIES)
qt_add_executable(trapezoid-calculator-cli ${program_sources})
target_link_libraries(trapezoid-calculator-cli PRIVATE ${program_libraries})
set_target_properties(trapezoid-calculator PROPERTIES WIN32_EXECUTABLE ON)
set_target_properties(trapezoid-calculator-cli PROPERTIES WIN32_EXECUTABLE OFF)
# Both land at the top of the build folder, where the installer takes them.
set_target_properties(trapezoid-calculator trapezoid-calculator-cli PROPERTIES
                      RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

# The same translation the Linux build loads, taken from the build machine.
find_file(TRAPEZOID_QTBASE_BG_QM qtbase_bg.qm
          PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
get_filename_component(translations_dir ${TRAPEZOID_QTBASE_BG_QM} DIRECTORY)

set(ICON_FILE ${PROJECT_SOURCE_DIR}/data/icons/trapezoid-calculator.ico)
set(PRODUCT_NAME "Правоъгълен трапец")
foreach(PROGRAM_NAME trapezoid-calculator trapezoid-calculator-cli)
    if(PROGRAM_NAME STREQUAL "trapezoid-calculator")
        set(FILE_DESCRIPTION "${PRODUCT_NAME}")
    else()
        set(FILE_DESCRIPTION "${PRODUCT_NAME} (команден ред)")
    endif()
    configure_file(windows/trapezoid-calculator.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_NAME}.rc @ONLY)
    target_sources(${PROGRAM_NAME} PRIVATE
        windows/display_check_windows.cpp
        ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_NAME}.rc
    )
    target_include_directories(${PROGRAM_NAME} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    # qt.conf at :/qt/etc/qt.conf points the translations path into the
    # resources, where the translation itself is built in.
    qt_add_resources(${PROGRAM_NAME} ${PROGRAM_NAME}_qt_conf
        PREFIX /qt/etc BASE windows FILES windows/qt.conf)
    qt_add_resources(${PROGRAM_NAME} ${PROGRAM_NAME}_translations
        PREFIX /translations BASE ${translations_dir} FILES ${TRAPEZOID_QTBASE_BG_QM})
endforeach()
