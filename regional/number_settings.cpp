// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_settings.hpp"

namespace {

// The locale's group sizes, read from how it writes a 16-digit integer: the
// rightmost group is the primary size, the one left of it the secondary. The
// leftmost group may be short or merged, so it is never used.
std::vector<int> GroupSizes(const QLocale& locale, const QString& separator) {
    if (separator.isEmpty() || locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) {
        return {};
    }
    const QStringList groups =
        locale.toString(Q_INT64_C(1234567890123456)).split(separator, Qt::SkipEmptyParts);
    if (groups.size() < 2) {
        return {};
    }
    const int primary = static_cast<int>(groups.last().size());
    if (groups.size() < 3) {
        return {primary};
    }
    const int secondary = static_cast<int>(groups[groups.size() - 2].size());
    return secondary == primary ? std::vector<int>{primary} : std::vector<int>{primary, secondary};
}

}  // namespace

trapezoid::NumberSettings NumberSettingsFromLocale(const QLocale& locale) {
    trapezoid::NumberSettings settings;
    settings.decimal_separator = locale.decimalPoint().toStdString();
    const QString group = locale.groupSeparator();
    settings.group_sizes = GroupSizes(locale, group);
    if (!settings.group_sizes.empty()) {
        settings.group_separator = group.toStdString();
    }
    settings.leading_zero = true;
    settings.negative_format = trapezoid::NegativeFormat::LeadingMinus;
    return settings;
}
