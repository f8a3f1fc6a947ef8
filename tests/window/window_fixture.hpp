// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the window tests: a Velmora with pinned regional
// settings, shown and active, and a check that no dialog was left open.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "trapezoid_drawing.hpp"
#include "typing_limit.hpp"
#include "velmora.hpp"

namespace window_test {

inline trapezoid::NumberSettings PeriodSettings() {
    return {};
}

inline trapezoid::NumberSettings CommaSettings() {
    return {",", "\xC2\xA0", {3}, true, trapezoid::NegativeFormat::LeadingMinus};
}

inline std::unique_ptr<Velmora> OpenWindow(Velmora::SettingsSource settings = PeriodSettings) {
    auto window = std::make_unique<Velmora>(std::move(settings));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qWarning("the window did not become active");
    }
    return window;
}

// The visible warning over the window, if any.
inline QMessageBox* OpenMessage(const Velmora& window) {
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

inline void SelectKind(Velmora& window, int kind) {
    window.List1[0]->setCurrentRow(kind);
}

inline void SelectKind(Velmora& window, trapezoid::Kind kind) {
    SelectKind(window, trapezoid::KindIndex(kind));
}

// Selects `kind` and types its givens, in ascending box order.
inline void TypeGivens(Velmora& window, trapezoid::Kind kind, const QStringList& givens) {
    SelectKind(window, kind);
    const auto& boxes =
        trapezoid::kKinds[static_cast<std::size_t>(trapezoid::KindIndex(kind))].givens;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QTest::keyClicks(window.Text2[static_cast<std::size_t>(boxes[i])],
                         givens[static_cast<qsizetype>(i)]);
    }
}

inline QStringList BoxTexts(const Velmora& window) {
    QStringList texts;
    for (const QLineEdit* box : window.Text2) {
        texts << box->text();
    }
    return texts;
}

}  // namespace window_test

// Runs the tests on the offscreen platform unless another one is asked for.
#define WINDOW_TEST_MAIN(TestClass)                           \
    int main(int argc, char** argv) {                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication application(argc, argv);                 \
        TestClass test;                                       \
        return QTest::qExec(&test, argc, argv);               \
    }
