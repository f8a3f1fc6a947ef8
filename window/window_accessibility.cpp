// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_accessibility.hpp"

#include <QAccessibleWidget>
#include <QWidget>

#include "trapezoid_drawing.hpp"

namespace {

class AccessibleTopLevel : public QAccessibleWidget {
  public:
    explicit AccessibleTopLevel(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return widget()->windowTitle();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* TopLevelFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("Velmora") && object->isWidgetType()) {
        return new AccessibleTopLevel(static_cast<QWidget*>(object));
    }
    // The drawing is a picture, not a frame around other controls; as a frame
    // a screen reader would take it for a second window.
    if (auto* picture = qobject_cast<TrapezoidPicture*>(object);
        picture && class_name == QLatin1String("TrapezoidPicture")) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(TopLevelFactory);
        installed = true;
    }
}
