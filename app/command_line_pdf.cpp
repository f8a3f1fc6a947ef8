// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_pdf.hpp"

#include <QGuiApplication>

#include "pdf_platform.hpp"
#include "solution_pages.hpp"

namespace {

// The console shows the program's own lines only, not the toolkit's notes.
void KeepQuiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::string WritePdfWithoutDisplay(const std::string& path,
                                   const trapezoid::WorkedSolution& solution,
                                   const trapezoid::NumberSettings& settings) {
    // Fonts and painting need a Qt Gui application, on a platform that needs
    // no display.
    UsePlatformWithoutDisplay();
    const QtMessageHandler previous = qInstallMessageHandler(KeepQuiet);
    int argc = 1;
    char name[] = "trapezoid-calculator";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QString error = figure::WriteSolutionPdf(
        FileNameOfArgument(path), solution, QString::fromStdString(settings.decimal_separator));
    qInstallMessageHandler(previous);
    return error.toStdString();
}
