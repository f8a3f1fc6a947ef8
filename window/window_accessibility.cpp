// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_accessibility.hpp"

#include <QAccessibleWidget>
#include <QWidget>

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
