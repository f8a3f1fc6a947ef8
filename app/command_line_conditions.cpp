// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_conditions.hpp"

#include <string>

#include "trapezoid/condition_solution.hpp"

bool IsConditionArgument(std::string_view argument, const trapezoid::NumberSettings& settings) {
    const std::size_t equals = argument.find('=');
    if (equals != std::string_view::npos &&
        trapezoid::FindElementName(argument.substr(0, equals)) &&
        trapezoid::IsPlainNumber(argument.substr(equals + 1), settings)) {
        return false;
    }
    const trapezoid::conditions::GivenReading reading = trapezoid::conditions::ReadGiven(argument);
    return reading.given || !reading.unreadable;
}

std::optional<std::string> RelationRefusal(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    // NAME=kNAME: a coefficient, then the name of an element.
    const std::string_view value = argument.substr(equals + 1);
    const std::size_t name = value.find_first_not_of("0123456789.,/");
    if (name == std::string_view::npos || !trapezoid::FindElementName(value.substr(name))) {
        return std::nullopt;
    }
    trapezoid::conditions::GivenReading reading = trapezoid::conditions::ReadGiven(argument);
    if (reading.given) {
        return std::nullopt;
    }
    return std::move(reading.message);
}

CommandLine ReadConditionArguments(const std::vector<std::string_view>& arguments) {
    const std::vector<std::string> texts(arguments.begin(), arguments.end());
    trapezoid::ConditionTexts read = trapezoid::ReadConditionTexts(texts);
    CommandLine result;
    if (!read.message.empty()) {
        result.error = std::move(read.message);
        result.error_code = read.unreadable ? 2 : 1;
        return result;
    }
    result.conditions = std::move(read.givens);
    result.action = CommandLineAction::Solve;
    return result;
}
