// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the WebAssembly engine with the same interface, for trying
// and checking the page before the engine is built: it knows the panel's
// fields and hints, solves kind "a,b,c" in decimals, and answers two problems
// (a = 10, b = 6, c = 5 and P = 20, b = 6, c = 3) with the real engine's text,
// and one with the line "Условия" (a = 10, ∠B = 60, ∠ACB=90).
// Never shipped in the page.
/* eslint-disable no-var */
var createTrapezoidEngine = (function () {
    "use strict";
    var FIELDS = [
        ["a", "По-голямата основа a"], ["b", "Бедрото b"], ["c", "По-малката основа c"],
        ["h", "Височината h"], ["P", "Периметърът P"], ["S", "Лицето S"],
        ["m", "Разликата на основите m"], ["AC", "Диагоналът AC"], ["BD", "Диагоналът BD"],
        ["MN", "Средната основа MN"], ["∠B", "Острият ъгъл ∠B"], ["∠C", "Тъпият ъгъл ∠C"],
    ];
    var KNOWN = {
        "a=10 b=6 c=5": {
            lengths: [[10, "10"], [6, "6"], [5, "5"], [Math.sqrt(11), "√11"]],
            text: "Дадено: a = 10; b = 6; c = 5\nТърси се: h, P, S\nРешение:\n" +
                "m = HB, проекцията на бедрото върху основата a: m = a − c = 10 − 5 = 5\n" +
                "h = √(b² − m²) = √(6² − 5²) = √11 ≈ 3.3166248\n" +
                "P = a + c + b + h = 10 + 5 + 6 + √11 = 21 + √11 ≈ 24.3166248\n" +
                "S = (a + c)·h / 2 = (10 + 5)·√11 / 2 = 15√11/2 ≈ 24.8746859\n" +
                "Отговор: h = √11 ≈ 3.3166248; P = 21 + √11 ≈ 24.3166248; S = 15√11/2 ≈ 24.8746859",
        },
        "b=6 c=3 P=20": {
            lengths: [[7 - Math.SQRT2, "7 − √2"], [6, "6"], [3, "3"], [4 + Math.SQRT2, "4 + √2"]],
            second: [[7 + Math.SQRT2, "7 + √2"], [6, "6"], [3, "3"], [4 - Math.SQRT2, "4 − √2"]],
            text: "Дадено: b = 6; c = 3; P = 20\nТърси се: a, h, S\nРешение:\n" +
                "Първа възможност:\nОтговор: a = 7 − √2 ≈ 5.5857864; h = 4 + √2 ≈ 5.4142136\n" +
                "Втора възможност:\nОтговор: a = 7 + √2 ≈ 8.4142136; h = 4 − √2 ≈ 2.5857864",
        },
    };

    function measure(text, fontPx) {
        if (typeof globalThis.trapezoidMeasureText === "function") {
            return globalThis.trapezoidMeasureText(text, fontPx);
        }
        return { width: 0.55 * fontPx * text.length, ascent: 0.8 * fontPx, descent: 0.2 * fontPx };
    }

    // A plain drawing: no search for free places, just each label beside its side.
    function figure(lengths, heading, fontPx, separator) {
        var a = lengths[0][0], c = lengths[2][0], h = lengths[3][0];
        var width = 320, height = 220, margin = 48;
        var scale = Math.min((width - 2 * margin) / a, (height - 2 * margin) / h);
        var A = [margin, height - margin], B = [margin + a * scale, height - margin];
        var C = [margin + c * scale, height - margin - h * scale], D = [margin, C[1]];
        var H = [C[0], A[1]];
        function line(p, q, kind) {
            return { x1: p[0], y1: p[1], x2: q[0], y2: q[1], dashed: false, kind: kind };
        }
        function label(symbol, value, x, y) {
            var text = symbol + (value.charAt(0) === "≈" ? " " : " = ") + value.replace(".", separator);
            return { text: text, x: x - measure(text, fontPx).width / 2, y: y, italic: false };
        }
        var ascent = measure("A", fontPx).ascent;
        return {
            heading: heading, width: width, height: height,
            lines: [line(A, B, "outline"), line(B, C, "outline"), line(C, D, "outline"),
                    line(D, A, "outline"), line(C, H, "height")],
            texts: [
                { text: "A", x: A[0] - 14, y: A[1] + ascent, italic: true },
                { text: "B", x: B[0] + 4, y: B[1] + ascent, italic: true },
                { text: "C", x: C[0] + 4, y: C[1] - 4, italic: true },
                { text: "D", x: D[0] - 14, y: D[1] - 4, italic: true },
                label("a", lengths[0][1], (A[0] + B[0]) / 2, A[1] + ascent + 4),
                label("b", lengths[1][1], (B[0] + C[0]) / 2 + 40, (B[1] + C[1]) / 2),
                label("c", lengths[2][1], (C[0] + D[0]) / 2, C[1] - 6),
                label("h", lengths[3][1], 24, (A[1] + D[1]) / 2 + ascent / 2),
            ],
            marks: [
                { x: A[0], y: A[1], size: 8, corner: "A" },
                { x: D[0], y: D[1], size: 8, corner: "D" },
            ],
        };
    }

    function hint(text, field) {
        return { status: "hint", hint: text, field: field };
    }

    function read(text, separator) {
        var plain = separator === "," ? text.replace(",", ".") : text;
        var value = /^[0-9]*\.?[0-9]+$/.test(plain) ? Number(plain) : NaN;
        return value > 0 ? value : null;
    }

    function withSeparator(text, separator) {
        return text.replace(/(\d)\.(\d)/g, "$1" + separator + "$2");
    }

    function rounded(text, decimals) {
        return text.replace(/≈ (\d+\.\d+)/g, function (all, number) {
            return "≈ " + Number(number).toFixed(decimals);
        });
    }

    var CONDITIONS_LINE = {
        kind: "conditions", symbol: "Условия", label: "Условия:", accessibleName: "Условия",
        placeholder: "",
        tooltip: "Връзки и условия, разделени с „;“, например: h=c; a:c=5:2; ∠ACB=90; AC⊥BD.",
        signs: [{ sign: "∠", accessibleName: "Вмъкни знак за ъгъл ∠" },
                { sign: "⊥", accessibleName: "Вмъкни знак за перпендикулярност ⊥" },
                { sign: "√", accessibleName: "Вмъкни знак за корен √" }],
    };

    // The line "Условия": one problem, a = 10, ∠B = 60° and ∠ACB = 90°; any
    // other line gets the hint at the line.
    function solveConditions(fields, line, separator, fontPx) {
        var typed = line.replace(/\s+/g, "");
        if (typed !== "∠ACB=90" || String(fields[0]).trim() !== "10" ||
            String(fields[10]).trim() !== "60") {
            return hint("„" + line + "“: заместителят на изчислителя знае само a = 10, ∠B = 60 и ∠ACB=90.",
                        FIELDS.length);
        }
        var h = 5 * Math.sqrt(3) / 2;
        return { status: "done", solved: true, noFigureReason: "",
                 text: withSeparator("Дадено: a = 10; B = 60; ∠ACB = 90\nТърси се: b, c, h, P, S\n" +
                     "Решение:\n△ACB е правоъгълен и CH е височината към хипотенузата ⇒ CH² = AH·HB ⇒ h² = c·m\n" +
                     "Отговор: b = 5; c = 7.5; h = 5√3/2 ≈ 4.330127; S = 175√3/8 ≈ 37.8886114", separator),
                 figures: [figure([[10, "10"], [5, "5"], [7.5, "7.5"], [h, "5√3/2"]], "", fontPx,
                                  separator)] };
    }

    function solve(request) {
        var separator = request.decimalSeparator === "," ? "," : ".";
        var fields = request.fields, givens = {}, keys = [], filled = 0;
        var line = String(request.conditions ?? fields[FIELDS.length] ?? "").trim();
        if (line !== "") {
            return solveConditions(fields, line, separator, Number(request.fontPx) || 16);
        }
        for (var i = 0; i < FIELDS.length; ++i) {
            var typed = String(fields[i] || "").trim();
            if (typed === "") continue;
            ++filled;
            if (i === 11 && String(fields[10] || "").trim() !== "") {
                return hint("Попълнете само един от ъглите ∠B и ∠C: ∠C = 180° − ∠B.", i);
            }
            var value = read(typed, separator);
            if (value === null) {
                return hint(FIELDS[i][0] + " = „" + typed +
                    "“: стойността трябва да е число, по-голямо от 0.", i);
            }
            givens[FIELDS[i][0]] = value;
            keys.push(FIELDS[i][0] + "=" + typed);
        }
        if (filled < 2 || filled > 3) {
            return hint("Попълнете две или три полета (попълнени: " + filled + ").", -1);
        }
        var known = KNOWN[keys.join(" ")];
        var fontPx = Number(request.fontPx) || 16;
        if (known) {
            var figures = [figure(known.lengths, known.second ? "Първа възможност" : "", fontPx, separator)];
            if (known.second) figures.push(figure(known.second, "Втора възможност", fontPx, separator));
            return { status: "done", solved: true, text: withSeparator(rounded(known.text, request.decimals), separator),
                     figures: figures, noFigureReason: "" };
        }
        var a = givens.a, b = givens.b, c = givens.c;
        var given = "Дадено: a = " + fields[0] + "; b = " + fields[1] + "; c = " + fields[2];
        if (a === undefined || b === undefined || c === undefined) {
            return { status: "done", solved: false, figures: [],
                     text: "Заместителят на изчислителя решава само вида a, b, c.",
                     noFigureReason: "Няма чертеж." };
        }
        var m = a - c;
        if (b <= Math.abs(m)) {
            return { status: "done", solved: false, figures: [],
                     text: given + "\nТърси се: h, P, S\nНяма правоъгълен трапец с тези размери: бедрото b = " +
                         fields[1] + " е по-късо от разликата на основите |a − c| = " +
                         withSeparator(String(Math.abs(m)), separator) + ".",
                     noFigureReason: "Няма трапец с тези размери." };
        }
        var h = Math.sqrt(b * b - m * m), digits = Math.max(0, Math.min(7, request.decimals));
        var hText = "≈ " + h.toFixed(digits);
        return { status: "done", solved: true, noFigureReason: "",
                 text: given + "\nТърси се: h, P, S\nОтговор: h " + withSeparator(hText, separator),
                 figures: [figure([[a, String(a)], [b, String(b)], [c, String(c)], [h, hText]], "",
                                  fontPx, separator)] };
    }

    return function () {
        return Promise.resolve({
            panelFields: function () {
                return JSON.stringify(FIELDS.map(function (field, index) {
                    return { symbol: field[0], label: field[0] + ":", accessibleName: field[1],
                             placeholder: index >= 10 ? "°" : "" };
                }).concat([CONDITIONS_LINE]));
            },
            solvePanel: function (json) {
                try {
                    return JSON.stringify(solve(JSON.parse(json)));
                } catch (error) {
                    return JSON.stringify(hint("Задачата не можа да се реши.", -1));
                }
            },
        });
    };
})();
if (typeof module === "object" && module.exports) {
    module.exports = createTrapezoidEngine;
}
