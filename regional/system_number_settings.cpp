// SPDX-License-Identifier: GPL-3.0-or-later
// The user's number settings where the toolkit's locale is all there is.
#include "number_settings.hpp"

trapezoid::NumberSettings SystemNumberSettings() {
    return NumberSettingsFromLocale(QLocale::system());
}
