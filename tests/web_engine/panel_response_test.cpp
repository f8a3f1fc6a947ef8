// SPDX-License-Identifier: GPL-3.0-or-later
// The page's calls: the panel's fields, and a request's hint or worked
// solution with its drawing, as JSON text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "panel_response.hpp"

namespace web {
namespace {

using nlohmann::json;

json Solve(const std::vector<std::string>& fields, const std::string& separator = ",",
           int decimals = 7) {
    const json request = {{"fields", fields},
                          {"decimals", decimals},
                          {"decimalSeparator", separator},
                          {"fontPx", 16}};
    return json::parse(SolvePanelJson(request.dump(), EstimateText));
}

// a, b, c in the first three fields.
std::vector<std::string> Sides(const std::string& a, const std::string& b, const std::string& c) {
    std::vector<std::string> fields(12);
    fields[0] = a;
    fields[1] = b;
    fields[2] = c;
    return fields;
}

bool HasText(const json& figure, const std::string& text) {
    for (const json& placed : figure["texts"]) {
        if (placed["text"] == text) {
            return true;
        }
    }
    return false;
}

TEST(PanelResponse, SolvesTheFieldsAndLaysOutTheDrawingInsideItsSize) {
    const json response = Solve(Sides("10", "6", "5"));
    ASSERT_EQ(response["status"], "done") << response.dump();
    EXPECT_TRUE(response["solved"]);
    const std::string text = response["text"];
    EXPECT_NE(text.find("S = 15√11/2 ≈ 24,8746859"), std::string::npos) << text;
    ASSERT_EQ(response["figures"].size(), 1U);
    const json& figure = response["figures"][0];
    EXPECT_TRUE(HasText(figure, "h = √11"));
    EXPECT_TRUE(HasText(figure, "a = 10"));
    const double width = figure["width"];
    const double height = figure["height"];
    for (const json& placed : figure["texts"]) {
        EXPECT_GE(placed["x"].get<double>(), 0) << placed.dump();
        EXPECT_LE(placed["x"].get<double>(), width) << placed.dump();
        EXPECT_GT(placed["y"].get<double>(), 0) << placed.dump();
        EXPECT_LE(placed["y"].get<double>(), height) << placed.dump();
    }
    EXPECT_GE(figure["lines"].size(), 9U);  // outline, height, two right-angle marks
}

TEST(PanelResponse, WritesTheChosenDecimalsAndSeparator) {
    const struct {
        const char* separator;
        int decimals;
        const char* expected;
    } rows[] = {{",", 2, "S = 15√11/2 ≈ 24,87"}, {".", 7, "S = 15√11/2 ≈ 24.8746859"}};
    for (const auto& row : rows) {
        const std::string text = Solve(Sides("10", "6", "5"), row.separator, row.decimals)["text"];
        EXPECT_NE(text.find(row.expected), std::string::npos) << text;
    }
}

TEST(PanelResponse, AnswersEveryBadRequestWithAHint) {
    const struct {
        const char* what;
        std::string request;
        std::string hint;
        int field;
    } rows[] = {
        {"one field", json{{"fields", Sides("10", "", "")}}.dump(),
         "Попълнете две или три полета (попълнени: 1).", -1},
        {"no fields", "{}", "Попълнете две или три полета (попълнени: 0).", -1},
        {"an unreadable given", json{{"fields", Sides("10", "6", "x")}}.dump(),
         "c = „x“: стойността трябва да е число, по-голямо от 0.", 2},
        {"fields of other types", R"({"fields": [10, null, "5"], "decimals": "7"})",
         "Попълнете две или три полета (попълнени: 1).", -1},
        {"no JSON", "{\"fields\": [", "Заявката не е JSON.", -1},
    };
    for (const auto& row : rows) {
        const json response = json::parse(SolvePanelJson(row.request, EstimateText));
        EXPECT_EQ(response["status"], "hint") << row.what;
        EXPECT_EQ(response["hint"], row.hint) << row.what;
        EXPECT_EQ(response["field"], row.field) << row.what;
    }
}

TEST(PanelResponse, GivesNoFigureButItsReasonWhenThereIsNoTrapezoid) {
    const json response = Solve(Sides("10", "1", "5"));
    ASSERT_EQ(response["status"], "done") << response.dump();
    EXPECT_FALSE(response["solved"]);
    EXPECT_TRUE(response["figures"].empty());
    EXPECT_FALSE(response["noFigureReason"].get<std::string>().empty());
}

TEST(PanelResponse, ListsThePanelsFieldsInItsOrder) {
    const json fields = json::parse(PanelFieldsJson());
    ASSERT_EQ(fields.size(), 13U);  // the twelve fields, then the line "Условия"
    EXPECT_EQ(fields[0]["symbol"], "a");
    EXPECT_EQ(fields[0]["label"], "a:");
    EXPECT_EQ(fields[0]["accessibleName"], "По-голямата основа a");
    EXPECT_EQ(fields[11]["symbol"], "∠C");
    EXPECT_EQ(fields[11]["placeholder"], "°");
}

TEST(PanelResponse, SolvesTheLineOfConditionsByItsKeyOrAsTheLastField) {
    std::vector<std::string> fields(12);
    fields[0] = "10";
    fields[10] = "60";
    json request = {{"fields", fields}, {"conditions", "∠ACB=90"}, {"decimalSeparator", ","}};
    json response = json::parse(SolvePanelJson(request.dump(), EstimateText));
    ASSERT_EQ(response["status"], "done") << response.dump();
    EXPECT_NE(response["text"].get<std::string>().find("S = 175√3/8"), std::string::npos);
    EXPECT_EQ(response["figures"].size(), 1U);

    fields.push_back("x=3");
    response = Solve(fields);
    EXPECT_EQ(response["status"], "hint") << response.dump();
    EXPECT_EQ(response["field"], 12);
}

TEST(PanelResponse, DescribesTheLineOfConditionsAfterTheFields) {
    const json fields = json::parse(PanelFieldsJson());
    ASSERT_EQ(fields.size(), 13U);
    const json& line = fields.back();
    EXPECT_EQ(line["kind"], "conditions");
    EXPECT_EQ(line["label"], "Условия:");
    EXPECT_NE(line["tooltip"].get<std::string>().find("AC⊥BD"), std::string::npos);
    ASSERT_EQ(line["signs"].size(), 3U);
    EXPECT_EQ(line["signs"][1]["sign"], "⊥");
}

}  // namespace
}  // namespace web
