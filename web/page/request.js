// SPDX-License-Identifier: GPL-3.0-or-later
// What the page sends to the engine and how it reads the answer. The engine
// reads the givens itself; the page only passes the typed texts on.

export const MOST_DECIMALS = 7;
export const FIGURE_FONT_PX = 16;

// A field's text as the engine gets it: "" when only spaces were typed,
// otherwise the text without the spaces around it (a phone's keyboard often
// adds one).
export function fieldText(typed) {
    return String(typed ?? "").trim();
}

// The digits after "≈": a whole number 0..7, 7 when unreadable.
export function decimalsFrom(value) {
    const number = Number(value);
    if (String(value ?? "").trim() === "" || !Number.isFinite(number)) {
        return MOST_DECIMALS;
    }
    return Math.min(MOST_DECIMALS, Math.max(0, Math.trunc(number)));
}

export function buildRequest(typedTexts, decimals, decimalSeparator, fontPx = FIGURE_FONT_PX) {
    return {
        fields: typedTexts.map(fieldText),
        decimals: decimalsFrom(decimals),
        decimalSeparator,
        fontPx,
    };
}

const UNREADABLE_ANSWER = "Задачата не можа да се реши: изчислителят върна неразбираем отговор.";

function hint(text, field) {
    return { status: "hint", hint: text, field };
}

// The engine's answer as the page shows it; never throws. A hint's field is
// an index of a field, or -1 when the hint is about the panel as a whole.
export function readResponse(json, fieldCount) {
    let answer;
    try {
        answer = JSON.parse(json);
    } catch {
        return hint(UNREADABLE_ANSWER, -1);
    }
    if (answer === null || typeof answer !== "object") {
        return hint(UNREADABLE_ANSWER, -1);
    }
    if (answer.status === "hint") {
        const field = Number.isInteger(answer.field) && answer.field >= 0 &&
            answer.field < fieldCount ? answer.field : -1;
        return hint(String(answer.hint ?? ""), field);
    }
    if (answer.status !== "done" || typeof answer.text !== "string") {
        return hint(UNREADABLE_ANSWER, -1);
    }
    return {
        status: "done",
        solved: answer.solved === true,
        text: answer.text,
        figures: Array.isArray(answer.figures) ? answer.figures : [],
        noFigureReason: String(answer.noFigureReason ?? ""),
    };
}
