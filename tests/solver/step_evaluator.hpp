// SPDX-License-Identifier: GPL-3.0-or-later
// A small evaluator for the formulas of the steps: numbers in the report's
// form (either decimal separator, the minus "−"), letters looked up by name,
// "+", "−", "·", "/", "²", "√(…)" and parentheses, with the usual precedence.
#pragma once

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace trapezoid::test {

class StepEvaluator {
  public:
    using Names = std::map<std::string, double>;

    // The value of `formula`; throws std::invalid_argument for text it cannot read.
    static double Evaluate(std::string_view formula, const Names& names) {
        StepEvaluator evaluator(formula, names);
        const double value = evaluator.Sum();
        evaluator.SkipBlanks();
        if (!evaluator.rest_.empty()) {
            throw std::invalid_argument("unread: " + std::string(evaluator.rest_));
        }
        return value;
    }

  private:
    StepEvaluator(std::string_view formula, const Names& names) : rest_(formula), names_(names) {}

    void SkipBlanks() {
        while (!rest_.empty() && rest_.front() == ' ') {
            rest_.remove_prefix(1);
        }
    }

    bool Take(std::string_view token) {
        SkipBlanks();
        if (rest_.substr(0, token.size()) != token) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    double Sum() {
        double value = Product();
        while (true) {
            if (Take("+")) {
                value += Product();
            } else if (Take("−")) {
                value -= Product();
            } else {
                return value;
            }
        }
    }

    double Product() {
        double value = Factor();
        while (true) {
            if (Take("·")) {
                value *= Factor();
            } else if (Take("/")) {
                value /= Factor();
            } else {
                return value;
            }
        }
    }

    double Factor() {
        if (Take("−")) {
            return -Factor();
        }
        double value = Primary();
        while (Take("²")) {
            value *= value;
        }
        return value;
    }

    double Primary() {
        if (Take("√(")) {
            const double radicand = Sum();
            Expect(")");
            return std::sqrt(radicand);
        }
        if (Take("(")) {
            const double value = Sum();
            Expect(")");
            return value;
        }
        SkipBlanks();
        if (!rest_.empty() && std::isdigit(static_cast<unsigned char>(rest_.front()))) {
            return Number();
        }
        return Name();
    }

    double Number() {
        std::string plain;
        while (!rest_.empty() &&
               (std::isdigit(static_cast<unsigned char>(rest_.front())) || rest_.front() == '.' ||
                rest_.front() == ',' || rest_.front() == 'E' ||
                (plain.back() == 'E' && (rest_.front() == '+' || rest_.front() == '-')))) {
            plain += rest_.front() == ',' ? '.' : rest_.front();
            rest_.remove_prefix(1);
        }
        return std::stod(plain);
    }

    double Name() {
        if (rest_.empty() || !std::isalpha(static_cast<unsigned char>(rest_.front()))) {
            throw std::invalid_argument("no name at: " + std::string(rest_));
        }
        std::string name(1, rest_.front());
        rest_.remove_prefix(1);
        if (Take("′")) {
            name += "′";
        }
        const auto found = names_.find(name);
        if (found == names_.end()) {
            throw std::invalid_argument("unknown name " + name);
        }
        return found->second;
    }

    void Expect(std::string_view token) {
        if (!Take(token)) {
            throw std::invalid_argument("expected " + std::string(token) +
                                        " at: " + std::string(rest_));
        }
    }

    std::string_view rest_;
    const Names& names_;
};

}  // namespace trapezoid::test
