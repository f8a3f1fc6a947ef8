// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has Times New Roman with Cyrillic. Where a system lacks it (wine),
// the font matcher takes its metric-compatible substitute instead.
#include "serif_family.hpp"

#include <QFont>

QString SerifFamilyName() {
    static const QString family = [] {
        const QString family_name = QStringLiteral("Times New Roman");
        QFont::insertSubstitution(family_name, QStringLiteral("Liberation Serif"));
        return family_name;
    }();
    return family;
}
