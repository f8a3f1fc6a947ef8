// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>

// A push button filled with one solid colour and black text. Its thin dark
// border thickens to black with focus and turns sunken while it is held down.
class SolidButton : public QPushButton {
  public:
    SolidButton(const QString& text, const QColor& fill, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_;
};
