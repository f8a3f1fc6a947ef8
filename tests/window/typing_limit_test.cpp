// SPDX-License-Identifier: GPL-3.0-or-later
// The typing limit on a real line edit: what typing, pasting and deleting
// leave, compared against a small model of the rule.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

#include "typing_limit.hpp"

namespace {

constexpr int kLimit = 7;

// The text, the selection (just the cursor when from == to) and the cursor.
struct Box {
    QString text;
    qsizetype from = 0, to = 0, cursor = 0;
};

// One insertion of `run` over the selection, as the limit should treat it.
void Insert(Box& box, const QString& run) {
    const QString head = box.text.left(box.from);
    const QString tail = box.text.mid(box.to);
    qsizetype kept = run.size();
    if (head.size() + run.size() + tail.size() > kLimit) {
        kept = qMax<qsizetype>(0, kLimit - head.size() - tail.size());
        if (kept > 0 && run[kept - 1].isHighSurrogate()) {
            --kept;
        }
    }
    if (kept == 0) {
        box.from = box.to = box.cursor;  // refused: only the selection goes
        return;
    }
    box.text = head + run.left(kept) + tail;
    box.from = box.to = box.cursor = head.size() + kept;
}

}  // namespace

class TypingLimitTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        SetTypingLimit(&box_, kLimit);
        box_.show();
        box_.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box_));
    }

    void aPasteBeginningWithTheReplacedCharacterKeepsWhatFits() {
        SetProgramText(&box_, QStringLiteral("5.0000000"));
        box_.setSelection(0, 3);
        Paste(QStringLiteral("5.25"));
        QCOMPARE(box_.text(), QStringLiteral("5000000"));
        QCOMPARE(box_.cursorPosition(), 1);
    }

    void undoAndRedoRestoreALongTextWhole() {
        SetProgramText(&box_, QStringLiteral("18.0000000"));
        QTest::keyClick(&box_, Qt::Key_Delete);
        QCOMPARE(box_.text(), QStringLiteral("8.0000000"));
        QTest::keyClick(&box_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box_.text(), QStringLiteral("18.0000000"));
        QTest::keyClick(&box_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box_.text(), QStringLiteral("8.0000000"));
    }

    void randomEditsFollowTheRule() {
        QRandomGenerator random(20240611);
        // Few characters, so that texts repeat; the last is two QChars.
        const QStringList digits{"0", ".", "5"};
        const QStringList pasted = digits + QStringList{QStringLiteral("\U0001D7D9")};
        auto text_of = [&](const QStringList& alphabet, int shortest, int longest) {
            QString text;
            for (int n = random.bounded(shortest, longest + 1); n > 0; --n) {
                text += alphabet[random.bounded(int(alphabet.size()))];
            }
            return text;
        };
        for (int round = 0; round < 400; ++round) {
            Box model{text_of(digits, 0, 10)};
            SetProgramText(&box_, model.text);
            const int start = random.bounded(int(model.text.size()) + 1);
            box_.setSelection(start, random.bounded(-start, int(model.text.size()) - start + 1));
            model.cursor = box_.cursorPosition();
            model.from = box_.hasSelectedText() ? box_.selectionStart() : model.cursor;
            model.to = box_.hasSelectedText() ? box_.selectionEnd() : model.cursor;
            const QString before = model.text;
            switch (random.bounded(4)) {
                case 0: {
                    const QString typed = text_of(digits, 1, 4);
                    QTest::keyClicks(&box_, typed);
                    for (QChar c : typed) {
                        Insert(model, c);
                    }
                    break;
                }
                case 1:  // pastes come twice as often, being the most varied
                case 2: {
                    const QString clip = text_of(pasted, 1, 9);
                    Paste(clip);
                    Insert(model, clip);
                    break;
                }
                default: {
                    const bool back = random.bounded(2) == 0;
                    QTest::keyClick(&box_, back ? Qt::Key_Backspace : Qt::Key_Delete);
                    if (model.from == model.to) {
                        const qsizetype at = back ? model.cursor - 1 : model.cursor;
                        model.from = qMax<qsizetype>(0, at);
                        model.to = qBound<qsizetype>(0, at + 1, model.text.size());
                    }
                    model.text.remove(model.from, model.to - model.from);
                    model.cursor = model.from;
                }
            }
            const QByteArray round_text = QByteArray::number(round) + ": " + before.toUtf8();
            QVERIFY2(box_.text() == model.text, round_text + " -> " + box_.text().toUtf8());
            QVERIFY2(box_.cursorPosition() == model.cursor, round_text.constData());
        }
    }

  private:
    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&box_, Qt::Key_V, Qt::ControlModifier);
    }

    QLineEdit box_;
};

QTEST_MAIN(TypingLimitTest)
#include "typing_limit_test.moc"
