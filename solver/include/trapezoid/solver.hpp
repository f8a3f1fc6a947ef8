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

// Writes a value with exactly seven decimals in the regional form.
std::string FormatQuantityText(double value, const NumberSettings& settings);

// Writes a value for the two-solution report: 15 significant digits, no
// trailing zeros, the regional decimal separator, no grouping, leading minus.
// Magnitudes from 1e15 up and below 1e-5 take the form 1.5E+20 / 1.5E-07.
std::string FormatReportNumber(double value, const NumberSettings& settings);

// ---------------------------------------------------------------- solve

struct SolveOutcome {
    enum class Status {
        Rejected,   // a ticked given is not a number greater than 0: change nothing
        Solved,     // texts (and for kind 7 the report) are to be written
        Fault,      // an arithmetic fault: change nothing
        Unchanged,  // no kind selected: change nothing
    };

    Status status = Status::Unchanged;
    std::array<std::string, kQuantityCount> texts;  // Solved: new box texts
    std::optional<std::string> report;              // Solved kind 7: lines ending "\r\n"
    std::optional<ArithmeticFault> fault;           // Fault: which one
};

// The solve command: checks the ticked givens, solves `kind` from the texts
// of its three givens and formats all six quantities.
SolveOutcome Solve(int kind, const std::array<bool, kQuantityCount>& given,
                   const std::array<std::string, kQuantityCount>& texts,
                   const NumberSettings& settings);

}  // namespace trapezoid
