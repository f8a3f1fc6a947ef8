// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the worked solution: what is given and sought, the steps with
// helper values named in words, the answer, what more the figure gives.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "dual_value.hpp"
#include "trapezoid/steps.hpp"
#include "trapezoid/worked_solution.hpp"
#include "value_writing.hpp"

namespace trapezoid::detail {

// The six quantities of one solved trapezoid, and which of them were given.
struct SolvedValues {
    std::array<DualValue, kQuantityCount> values;
    std::array<bool, kQuantityCount> given{};
    // The exact forms of the computed quantities, once WriteForms has run
    // (or their steps worked them out).
    std::array<std::optional<ExactForm>, kQuantityCount> forms;
    std::array<bool, kQuantityCount> written{};  // forms[i] is worked out
};

// Works out the exact forms of the computed quantities not yet worked out.
void WriteForms(SolvedValues& solved, const ValueWriter& writer);

// "Дадено: a = 10; b = 6; c = 5", the givens of `kind` as the decimals their
// boxes denote.
std::string GivenLine(int kind, const std::array<std::string, kQuantityCount>& texts,
                      const ValueWriter& writer);

// "Търси се: h, P, S".
std::string SoughtLine(int kind);

// A step as the solution writes it; a helper value met for the first time
// (not yet in `named`) is introduced in words: "m = HB, проекцията на
// бедрото върху основата a: m = a − c = 10 − 5 = 5".
std::string StepLine(int kind, const SolveStep& step, std::set<std::string>& named);

// True for the checks of the dropped signs, h′ and m′, which the solution leaves out.
bool IsSignCheck(const SolveStep& step);

// "Отговор: h = √11 ≈ 3,3166248; P = 21 + √11 ≈ 24,3166248; …": the computed
// quantities in QuantityIndex order.
std::string AnswerLine(const SolvedValues& solved, const ValueWriter& writer);

// "Още: диагонал AC = 6; диагонал BD = √111 ≈ 10,5356538; средна основа = 7,5;
// ∠ABC ≈ 33°33′26″; ∠BCD ≈ 146°26′34″".
std::string MoreLine(const SolvedValues& solved, const ValueWriter& writer);

// The trapezoid as a drawing labels it.
SolvedFigure FigureOf(const SolvedValues& solved, const ValueWriter& writer, std::string heading);

}  // namespace trapezoid::detail
