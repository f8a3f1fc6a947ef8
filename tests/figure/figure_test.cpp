// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing to scale keeps its labels apart and off the lines whatever the
// proportions, and the PDF holds the whole worked solution.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "figure_layout.hpp"
#include "font_measure.hpp"
#include "solution_pages.hpp"

using figure::DrawnTrapezoid;

Q_DECLARE_METATYPE(std::vector<DrawnTrapezoid>)

namespace {

DrawnTrapezoid Drawn(double a, double b, double c, double h, const std::string& heading = {}) {
    const auto label = [](const char* letter, double value) {
        return (QString::fromLatin1(letter) + QStringLiteral(" ≈ ") +
                QString::number(value, 'f', 2))
            .toStdString();
    };
    return {a, b, c, h, {label("a", a), label("b", b), label("c", c), label("h", h)}, heading};
}

trapezoid::WorkedSolution SolutionWithText(const std::string& text) {
    trapezoid::WorkedSolution solution;
    solution.text = text;
    solution.solved = true;
    solution.figures.push_back({"", {10, 6, 5, 3.3166248}, {"10", "6", "5", "√11"}, {}});
    return solution;
}

}  // namespace

class FigureTest : public QObject {
    Q_OBJECT
  private slots:
    void labelsStayApartAndOffTheLines_data() {
        QTest::addColumn<std::vector<DrawnTrapezoid>>("trapezoids");
        QTest::addColumn<QSizeF>("area");
        QTest::newRow("10, 6, 5") << std::vector{Drawn(10, 6, 5, 3.32)} << QSizeF(760, 300);
        QTest::newRow("thin, a = 50, c = 49, h = 1")
            << std::vector{Drawn(50, 1.41, 49, 1)} << QSizeF(760, 300);
        QTest::newRow("h : a = 1 : 50, rectangle")
            << std::vector{Drawn(50, 1, 50, 1)} << QSizeF(760, 300);
        QTest::newRow("h : a = 50 : 1, rectangle")
            << std::vector{Drawn(1, 50, 1, 50)} << QSizeF(760, 300);
        QTest::newRow("tall, slanted") << std::vector{Drawn(1, 50, 0.5, 50)} << QSizeF(400, 300);
        QTest::newRow("m < 0") << std::vector{Drawn(3, 5, 6, 4)} << QSizeF(400, 300);
        QTest::newRow("two, P,b,c") << std::vector{Drawn(3.13, 5, 2, 4.92, "Първа възможност"),
                                                   Drawn(6.87, 5, 2, 1.15, "Втора възможност")}
                                    << QSizeF(760, 300);
        QTest::newRow("two, thin and tall")
            << std::vector{Drawn(50, 1.41, 49, 1, "Първа възможност"),
                           Drawn(1, 50, 1, 50, "Втора възможност")}
            << QSizeF(760, 300);
    }
    void labelsStayApartAndOffTheLines() {
        QFETCH(std::vector<DrawnTrapezoid>, trapezoids);
        QFETCH(QSizeF, area);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(16);
        const figure::Rect bounds{0, 0, area.width(), area.height()};
        const figure::FigureLayout layout =
            figure::LayOutFigure(trapezoids, bounds, figure::FontMeasure(font));
        std::size_t expected_labels = 0;  // four corners and H, or "H ≡ B"; four sides; heading
        for (const DrawnTrapezoid& drawn : trapezoids) {
            expected_labels += (drawn.a == drawn.c ? 8 : 9) + (drawn.heading.empty() ? 0 : 1);
        }
        QCOMPARE(layout.labels.size(), expected_labels);
        std::vector<figure::Segment> lines;
        for (const figure::TrapezoidShape& shape : layout.shapes) {
            const auto shape_lines = figure::ShapeLines(shape);
            lines.insert(lines.end(), shape_lines.begin(), shape_lines.end());
            // The figure keeps a visible size.
            QVERIFY(std::hypot(shape.C.x - shape.A.x, shape.C.y - shape.A.y) >= 20);
        }
        for (std::size_t i = 0; i < layout.labels.size(); ++i) {
            const figure::PlacedLabel& label = layout.labels[i];
            QVERIFY2(bounds.Contains(label.rect), label.text.c_str());
            for (const figure::Segment& line : lines) {
                QVERIFY2(!figure::SegmentMeetsRect(line, label.rect), label.text.c_str());
            }
            for (std::size_t j = i + 1; j < layout.labels.size(); ++j) {
                QVERIFY2(!label.rect.Intersects(layout.labels[j].rect),
                         (label.text + " / " + layout.labels[j].text).c_str());
            }
        }
    }

    void thePdfHoldsEveryLineOfTheText() {
        if (QString(PDFTOTEXT).isEmpty()) {
            QSKIP("pdftotext is not installed");
        }
        // Long enough for a second page.
        std::string text = "Отговор: h = √11 ≈ 3,3166248; ∠ABC ≈ 33°33′26″\n";
        for (int i = 0; i < 80; ++i) {
            text += "ред " + std::to_string(i) + " − продължение\n";
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("решение.pdf"));
        QCOMPARE(figure::WriteSolutionPdf(path, SolutionWithText(text), QStringLiteral(",")),
                 QString());
        QProcess process;
        process.start(QStringLiteral(PDFTOTEXT), {path, QStringLiteral("-")});
        QVERIFY(process.waitForFinished());
        QString pdf_text = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY(pdf_text.contains(u'\f'));  // more than one page
        pdf_text.remove(QRegularExpression(QStringLiteral("\\s")));
        for (QString line : QString::fromStdString(text).split(u'\n')) {
            QVERIFY2(pdf_text.contains(line.remove(QRegularExpression(QStringLiteral("\\s")))),
                     qPrintable(line));
        }
    }

    void aWriteThatFailsLeavesNoFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("няма/решение.pdf"));
        const QString error = figure::WriteSolutionPdf(path, SolutionWithText("x"), ".");
        QVERIFY(error.contains(QStringLiteral("няма папка")));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    FigureTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "figure_test.moc"
