// SPDX-License-Identifier: GPL-3.0-or-later
#include "serif_family.hpp"

#include <QFontDatabase>
#include <QStringList>

QString SerifFamilyName() {
    static const QString family = [] {
        const QString preferred = QStringLiteral("Times New Roman");
        if (QFontDatabase::families(QFontDatabase::Cyrillic).contains(preferred)) {
            return preferred;
        }
        return QStringLiteral("Liberation Serif");
    }();
    return family;
}
