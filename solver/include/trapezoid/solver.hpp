// SPDX-License-Identifier: GPL-3.0-or-later
// Public interface of the right trapezoid solver: the six quantities, the
// fifteen problem kinds, the number rules of the quantity boxes and the
// solve command. No GUI dependency; all texts are UTF-8.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace trapezoid {

// ---------------------------------------------------------------- quantities

// Index of a quantity; also the index of its box and its given-mark.
namespace QuantityIndex {
inline constexpr int A = 0;  // long base AB
inline constexpr int B = 1;  // slanted leg BC
inline constexpr int C = 2;  // short base DC
inline constexpr int H = 3;  // height AD = CH
inline constexpr int P = 4;  // perimeter
inline constexpr int S = 5;  // area
}  // namespace QuantityIndex

inline constexpr int kQuantityCount = 6;

// Letters of the quantities in QuantityIndex order.
inline constexpr std::array<std::string_view, kQuantityCount> kQuantitySymbols = {"a", "b", "c",
                                                                                  "h", "P", "S"};

// ---------------------------------------------------------------- problem kinds

// A ProblemKind is the index 0..14 of a kind in kKinds; -1 means no selection,
// and any value outside 0..14 is no kind.
using ProblemKind = int;
inline constexpr int kKindCount = 15;

// The kinds by name, in list order: the letters of the list text. The value of
// a name is its ProblemKind.
// clang-format off
enum class Kind : int {
    // Three of the lengths.
    ABC, ABH, ACH, BCH,
    // The perimeter and two lengths.
    PAB, PAC, PAH, PBC, PBH, PCH,
    // The area and two more.
    SAC, SAH, SBH, SCH, SPH,
};
// clang-format on

constexpr int KindIndex(Kind kind) {
    return static_cast<int>(kind);
}

// The name of a ProblemKind for which IsKind holds.
constexpr Kind KindAt(int index) {
    return static_cast<Kind>(index);
}

static_assert(KindIndex(Kind::SPH) + 1 == kKindCount);

struct KindInfo {
    std::string_view list_text;  // item text of the kind list
    std::array<int, 3> givens;   // the three given QuantityIndex values, ascending
};

extern const std::array<KindInfo, kKindCount> kKinds;

constexpr bool IsKind(int kind) {
    return kind >= 0 && kind < kKindCount;
}

// True when quantity `index` is one of the givens of `kind` (false for no kind).
bool IsGiven(int kind, int index);

// ---------------------------------------------------------------- number rules

enum class NegativeFormat { LeadingMinus, Parentheses };

// The user's regional number settings.
struct NumberSettings {
    std::string decimal_separator = ".";
    std::string group_separator;
    // Digit group sizes from the decimal separator leftwards, as in the C
    // library's grouping: {3} for 1,234,567, {3, 2} for 12,34,567. The last
    // size repeats (as it does after a 0 entry); a negative entry or CHAR_MAX
    // ends grouping. Empty: no grouping.
    std::vector<int> group_sizes;
    bool leading_zero = true;
    NegativeFormat negative_format = NegativeFormat::LeadingMinus;
    std::string negative_sign = "-";  // the leading minus
};

enum class ArithmeticFault {
    NegativeSquareRoot,  // square root of a negative number
    DivisionByZero,
    Overflow,  // a value beyond the range of a double
};

// Thrown by the reading rule and the formulas when an arithmetic fault occurs.
class ArithmeticError : public std::runtime_error {
  public:
    explicit ArithmeticError(ArithmeticFault fault);
    ArithmeticFault fault() const noexcept { return fault_; }

  private:
    ArithmeticFault fault_;
};

// Reads the text of a quantity box. A text that is exactly a number in the
// regional form reads as that number; any other text reads by the fixed rule
// (blanks removed, &H/&O integers, the longest leading decimal number with a
// period, 0 when no digit leads). Throws ArithmeticError(Overflow) for a
// number beyond the range of a double.
double ParseQuantityText(std::string_view text, const NumberSettings& settings);

// What the reading of a box text takes from it.
struct QuantityReading {
    double value = 0.0;
    // The number read, as the decimal it denotes: [-]digits[.digits][e[+-]digits]
    // ("-12.5e3", "255" for &HFF), "0" when no digit leads; empty for a radix
    // integer wider than 32 bits.
    std::string decimal;
    // What follows the number, blanks removed: ",5см" for "2,5см"; empty
    // when the whole text was read.
    std::string unread;
};

// ParseQuantityText, with the decimal it read and what it left.
QuantityReading ReadQuantityText(std::string_view text, const NumberSettings& settings);

// Writes a value with exactly seven decimals in the regional form.
std::string FormatQuantityText(double value, const NumberSettings& settings);

// Writes a value for the two-solution report: 15 significant digits, no
// trailing zeros, the regional decimal separator, no grouping, leading minus.
// Magnitudes from 1e15 up and below 1e-5 take the form 1.5E+20 / 1.5E-07.
std::string FormatReportNumber(double value, const NumberSettings& settings);

// ---------------------------------------------------------------- solve

struct SolveOutcome {
    enum class Status {
        Rejected,       // a ticked given is not a number greater than 0: change nothing
        Solved,         // texts (and for kind P,b,c the report) are to be written
        Fault,          // an arithmetic fault: change nothing
        Unchanged,      // no kind selected: change nothing
        NotATrapezoid,  // a result is not above 0, or has the wrong sign: change nothing
    };

    Status status = Status::Unchanged;
    std::array<std::string, kQuantityCount> texts;  // Solved: new box texts
    std::optional<std::string> report;              // Solved P,b,c: lines ending "\r\n"
    int possibilities = 0;  // Solved P,b,c: trapezoids the report lists (1 or 2), the first shown
    std::optional<ArithmeticFault> fault;  // Fault: which one
    // The six values read from the boxes, once they are read: the numbers a
    // message about a fault or no trapezoid speaks of. None when reading faulted.
    std::optional<std::array<double, kQuantityCount>> read;

    // NotATrapezoid: the QuantityIndex of the quantity that makes it none.
    std::optional<int> not_positive;
    // NotATrapezoid: the value that is not above 0. When the sign decided it
    // (sign_dropped), the value the perimeter leaves instead: the height for
    // P,a,b and P,a,c, HB = a - c for P,a,h (below 0: c longer than a).
    std::optional<double> not_positive_value;
    // NotATrapezoid: decided by the sign of a root that the formulas drop
    // (P,a,b and P,a,c: h; P,a,h: c), not by the quantity's own value.
    bool sign_dropped = false;
};

// The solve command: checks the ticked givens, solves `kind` from the texts
// of its three givens and formats all six quantities.
SolveOutcome Solve(int kind, const std::array<bool, kQuantityCount>& given,
                   const std::array<std::string, kQuantityCount>& texts,
                   const NumberSettings& settings);

}  // namespace trapezoid
