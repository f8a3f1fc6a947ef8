// SPDX-License-Identifier: GPL-3.0-or-later
// A small evaluator for the formulas of the steps: numbers (either decimal
// separator, the minus "−"), letters looked up by name, "+", "−", "·", "/",
// "²", "√(…)", written forms ("15√11/2", "(10 − √14)/2") and parentheses,
// with the usual precedence. In doubles, or exactly in exact::Surd.
#pragma once

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "exact/surd.hpp"

namespace trapezoid::test {

// The operations for each number type; an exact one that cannot be done throws.
template <class Number>
struct NumberOps;

template <>
struct NumberOps<double> {
    static double Plus(double x, double y) { return x + y; }
    static double Minus(double x, double y) { return x - y; }
    static double Times(double x, double y) { return x * y; }
    static double Over(double x, double y) { return x / y; }
    static double Root(double x) { return std::sqrt(x); }
    static double Negative(double x) { return -x; }
    static double From(const std::string& plain) { return std::stod(plain); }
};

template <>
struct NumberOps<exact::Surd> {
    using Surd = exact::Surd;
    static Surd Done(std::optional<Surd> result) {
        return result ? *result : throw std::invalid_argument("no exact result");
    }
    static Surd Plus(const Surd& x, const Surd& y) { return Done(exact::Add(x, y)); }
    static Surd Minus(const Surd& x, const Surd& y) { return Done(exact::Subtract(x, y)); }
    static Surd Times(const Surd& x, const Surd& y) { return Done(exact::Multiply(x, y)); }
    static Surd Over(const Surd& x, const Surd& y) { return Done(exact::Divide(x, y)); }
    static Surd Root(const Surd& x) { return Done(exact::SquareRoot(x)); }
    static Surd Negative(const Surd& x) { return exact::Negate(x); }
    static Surd From(const std::string& plain) { return Done(Surd::FromDecimal(plain)); }
};

template <class Number>
class StepEvaluator {
    using Ops = NumberOps<Number>;

  public:
    using Names = std::map<std::string, Number>;

    // The value of `formula`; throws std::invalid_argument for text it cannot read.
    static Number Evaluate(std::string_view formula, const Names& names = {}) {
        StepEvaluator evaluator(formula, names);
        const Number value = evaluator.Sum();
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

    Number Sum() {
        Number value = Product();
        while (true) {
            if (Take("+")) {
                value = Ops::Plus(value, Product());
            } else if (Take("−")) {
                value = Ops::Minus(value, Product());
            } else {
                return value;
            }
        }
    }

    Number Product() {
        Number value = Factor();
        while (true) {
            if (Take("·")) {
                value = Ops::Times(value, Factor());
            } else if (Take("/")) {
                value = Ops::Over(value, Factor());
            } else {
                return value;
            }
        }
    }

    Number Factor() {
        if (Take("−")) {
            return Ops::Negative(Factor());
        }
        Number value = Primary();
        // A written form's coefficient stands right before its root: "15√11".
        while (rest_.substr(0, 3) == "√" && rest_.substr(0, 4) != "√(") {
            value = Ops::Times(value, Primary());
        }
        while (Take("²")) {
            value = Ops::Times(value, value);
        }
        return value;
    }

    Number Primary() {
        if (Take("√(")) {
            const Number radicand = Sum();
            Expect(")");
            return Ops::Root(radicand);
        }
        if (Take("√")) {
            return Ops::Root(Digits());
        }
        if (Take("(")) {
            const Number value = Sum();
            Expect(")");
            return value;
        }
        SkipBlanks();
        if (!rest_.empty() && std::isdigit(static_cast<unsigned char>(rest_.front()))) {
            return Digits();
        }
        return Name();
    }

    Number Digits() {
        std::string plain;
        while (!rest_.empty() &&
               (std::isdigit(static_cast<unsigned char>(rest_.front())) || rest_.front() == '.' ||
                rest_.front() == ',' || rest_.front() == 'E' ||
                (!plain.empty() && plain.back() == 'e' &&
                 (rest_.front() == '+' || rest_.front() == '-')))) {
            const char ch = rest_.front();
            plain += ch == ',' ? '.' : ch == 'E' ? 'e' : ch;
            rest_.remove_prefix(1);
        }
        return Ops::From(plain);
    }

    Number Name() {
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
