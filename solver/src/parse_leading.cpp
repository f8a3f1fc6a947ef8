// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed reading rule, which ignores the regional settings.
#include <algorithm>
#include <cstdint>
#include <string>

#include "decimal.hpp"
#include "parse_rules.hpp"

namespace trapezoid::detail {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool IsHexDigit(char ch) {
    return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool IsOctalDigit(char ch) {
    return ch >= '0' && ch <= '7';
}

std::string_view LeadingRun(std::string_view text, bool (*belongs)(char)) {
    const auto end = std::find_if_not(text.begin(), text.end(), belongs);
    return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

std::string OctalToHexadecimal(std::string_view octal) {
    std::string hex;
    unsigned bits = 0;
    int bit_count = 0;
    for (auto digit = octal.rbegin(); digit != octal.rend(); ++digit) {
        bits |= static_cast<unsigned>(*digit - '0') << bit_count;
        bit_count += 3;
        for (; bit_count >= 4; bit_count -= 4, bits >>= 4) {
            hex += kHexDigits[bits & 0xFU];
        }
    }
    if (bit_count > 0) {
        hex += kHexDigits[bits];
    }
    std::reverse(hex.begin(), hex.end());
    return hex;
}

// A radix integer is a two's complement value of the narrowest of 16 and 32
// bits that holds it, so &HFFFF is -1 and &HFFFFFFFF is -1 too; a wider one
// reads as its plain non-negative value.
// The decimal of a radix integer is its value; one wider than 32 bits has
// none.
LeadingNumber ReadRadixInteger(std::string_view hex, std::size_t length) {
    hex.remove_prefix(std::min(hex.find_first_not_of('0'), hex.size()));
    if (hex.size() > 8) {
        return {ReadHexadecimalInteger(hex), "", length};
    }
    std::uint32_t value = 0;
    for (const char ch : hex) {
        const char upper = (ch >= 'a' && ch <= 'f') ? static_cast<char>(ch - 'a' + 'A') : ch;
        value = value * 16 + static_cast<std::uint32_t>(kHexDigits.find(upper));
    }
    const std::int32_t integer =
        value <= 0xFFFFU ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
    return {static_cast<double>(integer), std::to_string(integer), length};
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
    if (text.size() >= 2 && text[0] == '&') {
        const std::string_view digits = text.substr(2);
        if (text[1] == 'H' || text[1] == 'h') {
            const std::string_view run = LeadingRun(digits, IsHexDigit);
            return ReadRadixInteger(run, 2 + run.size());
        }
        if (text[1] == 'O' || text[1] == 'o') {
            const std::string_view run = LeadingRun(digits, IsOctalDigit);
            return ReadRadixInteger(OctalToHexadecimal(run), 2 + run.size());
        }
    }

    std::string number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            number += '-';
        }
        ++pos;
    }
    bool has_digit = false;
    bool has_point = false;
    for (; pos < text.size(); ++pos) {
        const char ch = text[pos];
        if (IsDigit(ch)) {
            has_digit = true;
        } else if (ch == '.' && !has_point) {
            has_point = true;
        } else {
            break;
        }
        number += ch;
    }
    if (!has_digit) {
        return {0.0, "0", 0};
    }

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t end = pos + 1;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
            ++end;
        }
        const std::size_t first_digit = end;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
        if (end > first_digit) {
            number += text.substr(pos, end - pos);
            pos = end;
        }
    }
    return {ReadDecimalNumber(number), number, pos};
}

}  // namespace trapezoid::detail
