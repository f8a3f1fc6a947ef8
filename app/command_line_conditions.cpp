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
