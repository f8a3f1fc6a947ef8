// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution_pages.hpp"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include "figure_painting.hpp"

namespace figure {
namespace {

// Sizes in points: the painter is scaled so that one unit is one point.
constexpr double kMarginMillimetres = 20;
constexpr double kHeadingSize = 16;
constexpr double kTextSize = 11;
constexpr double kFigureTextSize = 10;
constexpr double kFigureHeight = 230;
constexpr double kNoFigureHeight = 40;
constexpr double kSpacing = 12;
constexpr int kPdfResolution = 300;

// DejaVu has the Cyrillic letters and ∠ √ ≈ − ′ ″ in one face.
QFont PageFont(double size, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(size));
    font.setBold(bold);
    return font;
}

class PageWriter {
  public:
    PageWriter(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {
        const double points = device.logicalDpiY() / 72.0;
        painter_.scale(points, points);
        width_ = device.width() / points;
        height_ = device.height() / points;
    }

    double Width() const { return width_; }

    // Room for `height` points below the current line, on a new page if needed.
    double Take(double height) {
        if (y_ + height > height_ && y_ > 0) {
            device_.newPage();
            y_ = 0;
        }
        const double top = y_;
        y_ += height;
        return top;
    }

    void Paragraph(const QString& text, const QFont& font) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width_);
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const double top = Take(line.height());
            line.draw(&painter_, QPointF(0, top - line.y()));
        }
    }

  private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
};

}  // namespace

void PaintSolutionPages(QPagedPaintDevice& device, const trapezoid::WorkedSolution& solution,
                        const QString& decimal_separator) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    QPainter painter(&device);
    painter.setPen(Qt::black);
    PageWriter page(device, painter);
    page.Paragraph(QStringLiteral("Правоъгълен трапец — решение"), PageFont(kHeadingSize, true));
    page.Take(kSpacing);
    // Without a figure, its place holds only the line that says why.
    const double figure_height = solution.figures.empty() ? kNoFigureHeight : kFigureHeight;
    const QRectF figure_area(0, page.Take(figure_height), page.Width(), figure_height);
    PaintSolutionFigure(painter, figure_area, solution, decimal_separator,
                        PageFont(kFigureTextSize), {Qt::black, Qt::darkGray});
    page.Take(kSpacing);
    const QFont text_font = PageFont(kTextSize);
    for (const QString& line : QString::fromStdString(solution.text).split(u'\n')) {
        page.Paragraph(line, text_font);
    }
}

QString WriteSolutionPdf(const QString& path, const trapezoid::WorkedSolution& solution,
                         const QString& decimal_separator) {
    const QFileInfo target(path);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    if (!target.absoluteDir().exists()) {
        return QStringLiteral("Файлът „%1“ не е записан: няма папка „%2“.").arg(path, folder);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QString why = QFileInfo(folder).isWritable()
                                ? file.errorString()
                                : QStringLiteral("няма право за писане в папка „%1“").arg(folder);
        return QStringLiteral("Файлът „%1“ не е записан: %2.").arg(path, why);
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Правоъгълен трапец"));
        writer.setTitle(QStringLiteral("Решение"));
        PaintSolutionPages(writer, solution, decimal_separator);
    }
    if (!file.commit()) {
        return QStringLiteral("Файлът „%1“ не е записан: %2.").arg(path, file.errorString());
    }
    return {};
}

}  // namespace figure
