// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_number_format.hpp"

#include <charconv>
#include <string>

std::vector<int> GroupSizesFromWindowsGrouping(std::string_view grouping) {
    std::vector<int> sizes;
    bool repeats = false;
    while (!grouping.empty()) {
        const std::size_t end = grouping.find(';');
        const std::string_view field = grouping.substr(0, end);
        int size = 0;
        const auto [rest, error] = std::from_chars(field.data(), field.data() + field.size(), size);
        if (error != std::errc() || rest != field.data() + field.size() || size < 0) {
            return {};
        }
        if (size == 0) {
            repeats = true;
            break;
        }
        sizes.push_back(size);
        grouping = end == std::string_view::npos ? std::string_view() : grouping.substr(end + 1);
    }
    if (!sizes.empty() && !repeats) {
        sizes.push_back(-1);
    }
    return sizes;
}

trapezoid::NegativeFormat NegativeFormatFromWindows(std::string_view negative_number) {
    return negative_number == "0" ? trapezoid::NegativeFormat::Parentheses
                                  : trapezoid::NegativeFormat::LeadingMinus;
}

trapezoid::NumberSettings NumberSettingsFromWindows(const WindowsNumberFormat& format) {
    trapezoid::NumberSettings settings;
    if (!format.decimal_separator.empty()) {
        settings.decimal_separator = std::string(format.decimal_separator);
    }
    if (!format.group_separator.empty()) {
        settings.group_sizes = GroupSizesFromWindowsGrouping(format.grouping);
        if (!settings.group_sizes.empty()) {
            settings.group_separator = std::string(format.group_separator);
        }
    }
    settings.leading_zero = format.leading_zero != "0";
    settings.negative_format = NegativeFormatFromWindows(format.negative_number);
    if (!format.negative_sign.empty()) {
        settings.negative_sign = std::string(format.negative_sign);
    }
    return settings;
}
