// SPDX-License-Identifier: GPL-3.0-or-later
// The window reads right: written results show their beginning, a result too
// wide for its box has the whole text as tooltip, Enter in a box calculates,
// the list always shows the one kind the panel is in, texts on the fixed
// colours stay legible under a dark theme, and the toolkit's own texts are
// Bulgarian.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <cmath>

#include "toolkit_translation.hpp"
#include "window_fixture.hpp"
#include "window_layout.hpp"

using namespace window_test;
using trapezoid::Kind;

namespace {

// WCAG contrast ratio of two colours.
double Contrast(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

// The strongest contrast between any pixel of `area` in `widget` and `background`:
// the text's own colour wherever a glyph is drawn.
double TextContrast(QWidget* widget, const QRect& area, const QColor& background) {
    const QImage image = widget->grab(area).toImage();
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            best = std::max(best, Contrast(image.pixelColor(x, y), background));
        }
    }
    return best;
}

// Group separators that make 1234567 wider than a box.
trapezoid::NumberSettings GroupedSettings() {
    return {".", ",", {3}, true, trapezoid::NegativeFormat::LeadingMinus};
}

}  // namespace

class ReadingTest : public QObject {
    Q_OBJECT
  private slots:
    void writtenTextsShowTheirBeginning_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("locked");
        QTest::newRow("a given, unlocked box") << int(trapezoid::QuantityIndex::A) << false;
        QTest::newRow("a result, locked box") << int(trapezoid::QuantityIndex::S) << true;
    }
    void writtenTextsShowTheirBeginning() {
        QFETCH(int, box);
        QFETCH(bool, locked);
        auto window = OpenWindow(GroupedSettings);
        TypeGivens(*window, Kind::ACH, {"1234567", "1", "2"});
        QLineEdit* written = window->Text2[static_cast<std::size_t>(box)];
        written->setFocus();
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QCOMPARE(written->isReadOnly(), locked);
        QVERIFY(written->text().size() > 10);
        QCOMPARE(written->cursorPosition(), 0);
        // The whole text opens the tooltip, before the explanation of the value.
        QCOMPARE(written->toolTip().section('\n', 0, 0), written->text());
    }

    void aTextThatFitsHasNoTooltip() {
        auto window = OpenWindow();
        SelectKind(*window, Kind::ABH);
        SetProgramText(window->Text2[0], QStringLiteral("1234567.0000000"));
        SetProgramText(window->Text2[1], QStringLiteral("5.0000000"));
        QCOMPARE(window->Text2[0]->toolTip(), window->Text2[0]->text());
        QCOMPARE(window->Text2[1]->toolTip(), QString());        // it fits
        QTest::mouseClick(window->Command1[1], Qt::LeftButton);  // "Изчисти"
        QCOMPARE(window->Text2[0]->toolTip(), QString());
    }

    void enterInABoxCalculates_data() {
        QTest::addColumn<int>("box");
        QTest::newRow("a given box") << int(trapezoid::QuantityIndex::B);
        QTest::newRow("a locked result box") << int(trapezoid::QuantityIndex::P);
    }
    void enterInABoxCalculates() {
        QFETCH(int, box);
        auto window = OpenWindow();
        TypeGivens(*window, Kind::ABH, {"6", "5", "4"});
        QLineEdit* focused = window->Text2[static_cast<std::size_t>(box)];
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(window->Text2[2]->text(), QStringLiteral("3.0000000"));
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    void theWindowIsAWindowNamedByItsTitleToAssistiveTechnology() {
        auto window = OpenWindow();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Window);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
        // The controls inside are still exposed; the drawing as a picture.
        QVERIFY(accessible->childCount() > 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(window->Picture1)->role(),
                 QAccessible::Graphic);
    }

    void theListAlwaysShowsTheOneKindOfThePanel_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("kind");  // the kind shown afterwards
        const int abc = trapezoid::KindIndex(Kind::ABC);
        QTest::newRow("a click on the blank strip under the last item") << "blank" << abc;
        QTest::newRow("a Ctrl+click on the selected item") << "ctrl-click" << abc;
        QTest::newRow("Ctrl+Space on the selected item") << "ctrl-space" << abc;
        QTest::newRow("the accessible action on the selected item") << "toggle-0" << abc;
        QTest::newRow("the accessible action on another item")
            << "toggle-1" << trapezoid::KindIndex(Kind::ABH);
        QTest::newRow("Ctrl+Down") << "ctrl-down" << trapezoid::KindIndex(Kind::ABH);
    }
    void theListAlwaysShowsTheOneKindOfThePanel() {
        QFETCH(QString, action);
        QFETCH(int, kind);
        auto window = OpenWindow();
        QListWidget* list = window->List1[0];
        list->setFocus();
        if (action == "blank") {
            list->scrollToBottom();
            const QRect last = list->visualItemRect(list->item(list->count() - 1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              last.bottomLeft() + QPoint(4, 3));
        } else if (action == "ctrl-click") {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(0)).center());
        } else if (action == "ctrl-space" || action == "ctrl-down") {
            QTest::keyClick(list, action == "ctrl-space" ? Qt::Key_Space : Qt::Key_Down,
                            Qt::ControlModifier);
        } else {
            QAccessibleInterface* item =
                QAccessible::queryAccessibleInterface(list)->child(action.back().digitValue());
            QVERIFY(item && item->actionInterface());
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        const QList<QListWidgetItem*> selected = list->selectedItems();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(list->row(selected.front()), kind);
        QCOMPARE(list->currentRow(), kind);
        for (int i = 0; i < trapezoid::kQuantityCount; ++i) {
            QCOMPARE(window->Check1[static_cast<std::size_t>(i)]->isChecked(),
                     trapezoid::IsGiven(kind, i));
        }
    }

    void textsOnTheFixedColoursStayDarkUnderADarkTheme() {
        const QPalette theme = QApplication::palette();
        QPalette dark(QColor(0x30, 0x30, 0x30));  // light text on dark controls
        QApplication::setPalette(dark);
        auto window = OpenWindow();
        const struct {
            QWidget* widget;
            QRect area;
            QColor background;
        } texts[] = {
            {window->Label1[0], window->Label1[0]->rect(), window_layout::kLabelColour},
            {window->Label1[1], window->Label1[1]->rect(), window_layout::kLabelColour},
            {window->Frame1, QRect(10, 0, 50, 14), window_layout::kWindowColour},
            {window->Check1[3], QRect(24, 4, 16, 20), window_layout::kMarkColour},
        };
        for (const auto& text : texts) {
            QVERIFY2(TextContrast(text.widget, text.area, text.background) >= 4.5,
                     qPrintable(text.widget->metaObject()->className()));
        }
        // The boxes inside the frame keep the theme's colours.
        QCOMPARE(window->Text2[0]->palette().color(QPalette::Text), dark.color(QPalette::Text));
        QApplication::setPalette(theme);
    }

    void toolkitTextsAreBulgarianWhenTheTranslationIsInstalled() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_bg.qm");
        if (!QFile::exists(file)) {
            QSKIP("the toolkit's Bulgarian translation is not installed");
        }
        QVERIFY(InstallToolkitTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("Добре"));
    }
};

WINDOW_TEST_MAIN(ReadingTest)
#include "reading_test.moc"
