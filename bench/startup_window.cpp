// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real window: create, show, and exit once the first paint is
// done. With --baseline, the same for an empty widget of the same size and font.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>

#include "toolkit_translation.hpp"
#include "velmora.hpp"

namespace {

// Quits the application right after the watched widget's first paint.
class FirstPaintQuit : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool baseline = argc > 1 && std::strcmp(argv[1], "--baseline") == 0;
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (baseline) {
        window = std::make_unique<QWidget>();
        window->setFont(WindowFont());
        window->setFixedSize(481, 424);
    } else {
        InstallToolkitTranslation(application);  // as the program does
        window = std::make_unique<Velmora>();
    }
    FirstPaintQuit quit;
    window->installEventFilter(&quit);
    window->show();
    return QApplication::exec();
}
