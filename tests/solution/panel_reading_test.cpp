// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача": which fields are filled, what they give, and the
// hint and its field otherwise.
#include <gtest/gtest.h>

#include <map>

#include "trapezoid/panel_reading.hpp"

namespace trapezoid {
namespace {

// Field index → text; the other fields are empty.
std::vector<std::string> Texts(const std::map<int, std::string>& filled) {
    std::vector<std::string> texts(kPanelFieldCount);
    for (const auto& [index, text] : filled) {
        texts[static_cast<std::size_t>(index)] = text;
    }
    return texts;
}

constexpr int kAngleB = 10;
constexpr int kAngleC = 11;

TEST(PanelReading, GivesTheFilledFieldsOrTheHintAndItsField) {
    const struct {
        const char* what;
        std::map<int, std::string> filled;
        std::size_t givens;
        std::string hint;
        int field;
    } rows[] = {
        {"three lengths", {{0, "10"}, {1, "6"}, {2, "5"}}, 3, "", -1},
        {"two and a field of spaces", {{0, "10"}, {3, " \u00A0\t"}, {kAngleC, "120"}}, 2, "", -1},
        {"one", {{0, "10"}}, 0, "Попълнете две или три полета (попълнени: 1).", -1},
        {"none", {}, 0, "Попълнете две или три полета (попълнени: 0).", -1},
        {"four",
         {{0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}},
         0,
         "Попълнете две или три полета (попълнени: 4).",
         -1},
        {"both angles",
         {{0, "10"}, {kAngleB, "60"}, {kAngleC, "120"}},
         0,
         "Попълнете само един от ъглите ∠B и ∠C: ∠C = 180° − ∠B.",
         kAngleC},
        {"an unreadable length",
         {{0, "10"}, {1, "шест"}},
         0,
         "b = „шест“: стойността трябва да е число, по-голямо от 0.",
         1},
        {"an angle out of range",
         {{0, "10"}, {kAngleB, "95"}},
         0,
         "∠B = „95“: ъгълът трябва да е в границите 0° < ∠B ≤ 90°.",
         kAngleB},
    };
    for (const auto& row : rows) {
        const PanelReading reading = ReadPanel(Texts(row.filled), NumberSettings{});
        EXPECT_EQ(reading.givens.size(), row.givens) << row.what;
        EXPECT_EQ(reading.hint, row.hint) << row.what;
        EXPECT_EQ(reading.field, row.field) << row.what;
    }
}

TEST(PanelReading, ReadsTheObtuseAngleAsTheAcuteOneAndAShortListAsEmptyFields) {
    const PanelReading reading = ReadPanel({"10", "", "5"}, NumberSettings{});
    ASSERT_EQ(reading.givens.size(), 2U) << reading.hint;
    const PanelReading angle = ReadPanel(Texts({{0, "10"}, {kAngleC, "120"}}), NumberSettings{});
    ASSERT_EQ(angle.givens.size(), 2U) << angle.hint;
    EXPECT_EQ(angle.givens[1].element, Element::Angle);
    EXPECT_TRUE(angle.givens[1].obtuse);
    EXPECT_DOUBLE_EQ(angle.givens[1].value, 60.0);
}

TEST(PanelReading, NamesEveryFieldForItsLabelAndScreenReaders) {
    const std::vector<PanelField>& fields = PanelFields();
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(kPanelFieldCount));
    const struct {
        std::size_t index;
        const char* label;
        const char* accessible_name;
        const char* placeholder;
    } rows[] = {
        {0, "a:", "По-голямата основа a", ""},
        {7, "AC:", "Диагоналът AC", ""},
        {kAngleB, "∠B:", "Острият ъгъл ∠B", "°"},
        {kAngleC, "∠C:", "Тъпият ъгъл ∠C", "°"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fields[row.index].label, row.label);
        EXPECT_EQ(fields[row.index].accessible_name, row.accessible_name);
        EXPECT_EQ(fields[row.index].placeholder, row.placeholder);
    }
}

}  // namespace
}  // namespace trapezoid
