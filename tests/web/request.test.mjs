// SPDX-License-Identifier: GPL-3.0-or-later
import assert from "node:assert/strict";
import { test } from "node:test";
import { figureDescription } from "../../web/page/figure-svg.js";
import { buildRequest, decimalsFrom, fieldText, readResponse } from "../../web/page/request.js";

test("a field of spaces is empty and spaces around a given go", () => {
    const cases = [["", ""], ["   ", ""], ["\u00a04,5 ", "4,5"], [" абв", "абв"],
                   ["33°33′26″", "33°33′26″"], [undefined, ""]];
    for (const [typed, sent] of cases) {
        assert.equal(fieldText(typed), sent, JSON.stringify(typed));
    }
});

test("the decimals are a whole number from 0 to 7, else 7", () => {
    const cases = [["0", 0], ["3", 3], [5, 5], ["9", 7], ["-2", 0], ["2.6", 2], ["", 7],
                   ["x", 7], [null, 7]];
    for (const [chosen, decimals] of cases) {
        assert.equal(decimalsFrom(chosen), decimals, JSON.stringify(chosen));
    }
});

test("the request holds one text per field in the panel's order", () => {
    const typed = ["10", " 6", "5 ", "", "", "", "", "", "", "", " ", ""];
    const request = buildRequest(typed, "7", ",", 16);
    assert.deepEqual(request, {
        fields: ["10", "6", "5", "", "", "", "", "", "", "", "", ""],
        decimals: 7,
        decimalSeparator: ",",
        fontPx: 16,
    });
    assert.deepEqual(JSON.parse(JSON.stringify(request)), request);
});

test("a hint keeps its field only when the panel has that field", () => {
    const hint = (field) => JSON.stringify({ status: "hint", hint: "Н", field });
    assert.equal(readResponse(hint(0), 12).field, 0);
    assert.equal(readResponse(hint(11), 12).field, 11);
    for (const field of [12, -3, 1.5, "2", null]) {
        assert.equal(readResponse(hint(field), 12).field, -1, JSON.stringify(field));
    }
});

test("an answer the page cannot read becomes a hint, never an exception", () => {
    for (const json of ["", "{", "null", "42", '{"status":"done"}', '{"status":"odd"}']) {
        const answer = readResponse(json, 12);
        assert.equal(answer.status, "hint", json);
        assert.equal(answer.field, -1, json);
        assert.notEqual(answer.hint, "", json);
    }
});

test("a solve without a trapezoid has no figure but its reason", () => {
    const answer = readResponse(JSON.stringify({
        status: "done", solved: false, text: "Няма правоъгълен трапец", figures: null,
        noFigureReason: "Няма трапец.",
    }), 12);
    assert.deepEqual(answer, { status: "done", solved: false, text: "Няма правоъгълен трапец",
                               figures: [], noFigureReason: "Няма трапец." });
});

test("the drawing is described by its labels, not by its corner letters", () => {
    const texts = [{ text: "A" }, { text: "a = 10" }, { text: "h ≈ 3,32" }, { text: "D" }];
    assert.equal(figureDescription({ heading: "", texts }),
                 "Чертеж на трапеца: a = 10; h ≈ 3,32");
    assert.equal(figureDescription({ heading: "Втора възможност", texts: [] }),
                 "Чертеж, Втора възможност");
    assert.equal(figureDescription({ description: "Правоъгълен трапец", texts }),
                 "Правоъгълен трапец");
});
