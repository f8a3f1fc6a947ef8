// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferred_icon_style.hpp"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <memory>

namespace {

// An icon of the base style, fetched when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QStyle* base, QStyle::StandardPixmap which)
        : base_(base), which_(which), icon_(std::make_shared<QIcon>()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    const QIcon& Icon() {
        if (icon_->isNull()) {
            *icon_ = base_->standardIcon(which_);
        }
        return *icon_;
    }

    QStyle* base_;
    QStyle::StandardPixmap which_;
    std::shared_ptr<QIcon> icon_;  // shared with the clones
};

class DeferredIconStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void DeferExtensionIcons() {
    QStyle* current = QApplication::style();
    if (dynamic_cast<DeferredIconStyle*>(current) != nullptr) {
        return;
    }
    // The same style again, by its name, for the proxy to own.
    QStyle* base = QStyleFactory::create(current->name());
    if (base == nullptr) {
        return;  // a style the factory cannot make: keep it as it is
    }
    QApplication::setStyle(new DeferredIconStyle(base));
}
