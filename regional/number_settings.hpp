// SPDX-License-Identifier: GPL-3.0-or-later
// The user's regional number settings, as the solver's number rules take them.
#pragma once

#include <QLocale>

#include "trapezoid/solver.hpp"

// Separators and digit grouping of a locale. Leading zero and a leading
// minus sign, which the platform has no setting for.
trapezoid::NumberSettings NumberSettingsFromLocale(const QLocale& locale);

// The settings of the user's locale, read afresh on every call. On Windows
// they come from the regional settings themselves, with the leading zero and
// the negative-number format (system_number_settings_windows.cpp).
trapezoid::NumberSettings SystemNumberSettings();
