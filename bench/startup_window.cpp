// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real window: create, show, and exit once the first paint is
// done. With --baseline, the same for an empty widget of the same size and font.
// With --open-solution, the window solves 10, 6, 5, prints "ready", and
// reports the milliseconds from the next Ctrl+R key press to the first paint
// of the solution window.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "solution_window.hpp"
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

// Times the key press to the solution window's first paint, then quits.
class OpeningTimer : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!clock_.isValid() && event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_R && key->modifiers() == Qt::ControlModifier) {
                clock_.start();
            }
        }
        if (clock_.isValid() && !done_ && event->type() == QEvent::Paint &&
            qobject_cast<SolutionWindow*>(watched) != nullptr) {
            done_ = true;
            // After the window's children have painted too.
            QTimer::singleShot(0, qApp, [this] {
                std::printf("%.1f\n", static_cast<double>(clock_.nsecsElapsed()) / 1e6);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QElapsedTimer clock_;
    bool done_ = false;
};

int OpenSolution(QApplication& application) {
    InstallToolkitTranslation(application);
    Velmora window;
    const char* givens[] = {"10", "6", "5"};
    for (std::size_t i = 0; i < 3; ++i) {
        window.Text2[i]->setText(QString::fromLatin1(givens[i]));
    }
    window.Command1_Click(0);
    OpeningTimer timer;
    application.installEventFilter(&timer);
    window.show();
    QTimer::singleShot(200, &window, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool baseline = argc > 1 && std::strcmp(argv[1], "--baseline") == 0;
    QApplication application(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--open-solution") == 0) {
        return OpenSolution(application);
    }
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
