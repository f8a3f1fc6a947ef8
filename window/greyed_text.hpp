// SPDX-License-Identifier: GPL-3.0-or-later
// Greyed text that stays legible: the grey is mixed from a widget's own text
// and background colours, as faint as a contrast above 4.5 : 1 allows, and is
// mixed again at every palette change, so light and dark themes alike get a
// grey that reads.
#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <map>

class QWidget;

// The faintest mix of `text` into `base` with a contrast of at least 4.6 : 1
// against `base`; `text` itself when even that falls short.
QColor LegibleGrey(const QColor& text, const QColor& base);

class GreyedText : public QObject {
    Q_OBJECT
  public:
    explicit GreyedText(QObject* parent) : QObject(parent) {}

    // Greys the text of `widget`, or gives it back its own colour.
    void SetGreyed(QWidget* widget, bool greyed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Derive(QWidget* widget);

    std::map<QWidget*, QPalette> own_palettes_;  // greyed widgets, with their palette before
    bool deriving_ = false;
};
