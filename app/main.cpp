#include <QApplication>
#include <cstdio>

#include "burger_icon.hpp"
#include "display_check.hpp"
#include "velmora.hpp"

int main(int argc, char* argv[]) {
    if (!DisplayReachable()) {
        std::fputs(
            "trapezoid-calculator: no display found; start it from a desktop session "
            "(DISPLAY or WAYLAND_DISPLAY is not set or cannot be reached).\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trapezoid-calculator"));
    QApplication::setDesktopFileName(QStringLiteral("bg.example.TrapezoidCalculator"));
    QApplication::setWindowIcon(BurgerIcon());

    Velmora window;
    window.show();
    return QApplication::exec();
}
