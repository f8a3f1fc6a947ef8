// SPDX-License-Identifier: GPL-3.0-or-later
// The user's number settings from Windows' regional settings. The toolkit's
// locale reads only the separators and signs from them, so the grouping, the
// leading zero and the negative-number format are read here directly.
#include <windows.h>

#include <QString>
#include <string>

#include "number_settings.hpp"
#include "windows_number_format.hpp"

namespace {

std::string UserLocaleText(LCTYPE item) {
    wchar_t buffer[32] = {};  // the longest of these items is ten characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer,
                                       static_cast<int>(std::size(buffer)));
    if (length <= 1) {
        return {};
    }
    return QString::fromWCharArray(buffer, length - 1).toStdString();
}

}  // namespace

trapezoid::NumberSettings SystemNumberSettings() {
    const std::string decimal = UserLocaleText(LOCALE_SDECIMAL);
    const std::string thousand = UserLocaleText(LOCALE_STHOUSAND);
    const std::string grouping = UserLocaleText(LOCALE_SGROUPING);
    const std::string leading_zero = UserLocaleText(LOCALE_ILZERO);
    const std::string negative_number = UserLocaleText(LOCALE_INEGNUMBER);
    const std::string negative_sign = UserLocaleText(LOCALE_SNEGATIVESIGN);
    return NumberSettingsFromWindows(
        {decimal, thousand, grouping, leading_zero, negative_number, negative_sign});
}
