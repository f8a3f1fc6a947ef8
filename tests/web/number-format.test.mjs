// SPDX-License-Identifier: GPL-3.0-or-later
import assert from "node:assert/strict";
import { test } from "node:test";
import { browserLanguages, decimalSeparatorFor } from "../../web/page/number-format.js";

test("the separator follows the first language the browser prefers", () => {
    const cases = [
        [["bg"], ","],
        [["bg-BG", "en-US"], ","],
        [["en-US", "bg"], "."],
        [["de-DE"], ","],
        [["fr"], ","],
        [["en-GB"], "."],
        [["ja"], "."],
        ["bg", ","],
    ];
    for (const [languages, separator] of cases) {
        assert.equal(decimalSeparatorFor(languages), separator, JSON.stringify(languages));
    }
});

test("languages that write another sign or other digits get the point", () => {
    for (const language of ["ar-EG", "fa-IR", "bn"]) {
        assert.equal(decimalSeparatorFor([language]), ".", language);
    }
});

test("a malformed language tag is passed over, never thrown", () => {
    assert.equal(decimalSeparatorFor(["no such tag!", "bg"]), ",");
    assert.doesNotThrow(() => decimalSeparatorFor(["@@", "??"]));
    assert.match(decimalSeparatorFor([]), /^[.,]$/);
});

test("the browser's languages come from navigator.languages, else navigator.language", () => {
    assert.deepEqual(browserLanguages({ languages: ["bg", "en"], language: "bg" }), ["bg", "en"]);
    assert.deepEqual(browserLanguages({ languages: [], language: "de" }), ["de"]);
    assert.deepEqual(browserLanguages(undefined), []);
});
