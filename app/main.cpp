// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "burger_icon.hpp"
#include "command_line.hpp"
#include "console.hpp"
#include "display_check.hpp"
#include "toolkit_translation.hpp"
#include "velmora.hpp"

namespace {

constexpr const char* kNoDisplayLine =
    "trapezoid-calculator: no display found; start it from a desktop session "
    "(DISPLAY or WAYLAND_DISPLAY is not set or cannot be reached).\n";

// A display that the check above could not rule out (a remote X display, a
// stale socket) can still fail inside the application's constructor, where
// Qt reports it as fatal and aborts. While the application starts, a fatal
// message ends the program with the same one line instead, and the platform
// plugin's warnings are held back until start-up has succeeded.
QtMessageHandler previous_handler = nullptr;
QList<std::pair<QtMsgType, QString>> held_messages;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayLine, stderr);
        std::_Exit(EXIT_FAILURE);
    }
    held_messages.append({type, message});
}

void ReleaseHeldMessages() {
    qInstallMessageHandler(previous_handler);
    for (const auto& [type, message] : std::as_const(held_messages)) {
        if (previous_handler != nullptr) {
            previous_handler(type, QMessageLogContext(), message);
        }
    }
    held_messages.clear();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Options of our own (and unknown "--" options) run in the console; the
    // toolkit's own options ("-platform", "--style") are left to the window.
    ConsoleArguments arguments(argc, argv);
    if (argc > 1 && WantsCommandLine({arguments.argv() + 1, arguments.argv() + argc})) {
        ShowUtf8InConsole();
        return RunCommandLine(arguments.argc(), arguments.argv());
    }
    if (!DisplayReachable(argc, argv)) {
        std::fputs(kNoDisplayLine, stderr);
        return EXIT_FAILURE;
    }
    previous_handler = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    ReleaseHeldMessages();
    InstallToolkitTranslation(application);
    QApplication::setApplicationName(QStringLiteral("trapezoid-calculator"));
    QApplication::setDesktopFileName(QStringLiteral("bg.example.TrapezoidCalculator"));
    QApplication::setWindowIcon(BurgerIcon());

    Velmora window;
    window.show();
    return QApplication::exec();
}
