// SPDX-License-Identifier: GPL-3.0-or-later
// The page: loads the engine, builds the panel from it, solves on "Реши" or
// Enter, and shows, copies and prints the worked solution.

import { installTextMeasure } from "./measure-text.js";
import { browserLanguages, decimalSeparatorFor } from "./number-format.js";
import { OwnProblemPanel } from "./panel.js";
import { buildRequest, FIGURE_FONT_PX, MOST_DECIMALS, readResponse } from "./request.js";
import { SolutionView } from "./solution-view.js";

const page = {
    form: document.getElementById("own-problem"),
    grid: document.getElementById("givens"),
    panelHint: document.getElementById("panel-hint"),
    solve: document.getElementById("solve"),
    decimals: document.getElementById("decimals"),
    copy: document.getElementById("copy"),
    print: document.getElementById("print"),
    status: document.getElementById("status"),
    announcer: document.getElementById("announcer"),
    view: new SolutionView(document, document.getElementById("figures"),
                           document.getElementById("solution-text")),
};

const decimalSeparator = decimalSeparatorFor(browserLanguages());
let engine = null;
let panel = null;
let fieldCount = 0;
// The texts of the latest solve: a new choice of decimals solves them again.
let solvedTexts = null;

function fillDecimals() {
    for (let digits = 0; digits <= MOST_DECIMALS; ++digits) {
        const option = document.createElement("option");
        option.value = String(digits);
        option.textContent = String(digits);
        page.decimals.append(option);
    }
    page.decimals.value = String(MOST_DECIMALS);
}

function ask(texts) {
    const request = buildRequest(texts, page.decimals.value, decimalSeparator, FIGURE_FONT_PX);
    let json;
    try {
        json = engine.solvePanel(JSON.stringify(request));
    } catch (error) {
        console.warn("solvePanel:", error);
        json = "";
    }
    return { request, answer: readResponse(json, fieldCount) };
}

function solve(texts) {
    const { request, answer } = ask(texts);
    if (answer.status === "hint") {
        panel.showHint(answer.hint, answer.field);
        return;
    }
    panel.showHint("", -1);
    solvedTexts = request.fields;
    page.view.show(answer, request.fontPx);
    page.copy.disabled = false;
    page.print.disabled = false;
    page.status.textContent = "";
    page.announcer.textContent = answerLine(answer);
}

// What a screen reader says after a solve: the answer, or why there is none.
function answerLine(answer) {
    const lines = answer.text.split("\n");
    const found = lines.find((line) => line.startsWith("Отговор:"));
    return found ?? lines.find((line) => line.startsWith("Няма ")) ?? answer.noFigureReason;
}

function say(text) {
    page.status.textContent = text;
}

// The older way, for a browser that gives the page no clipboard.
function copyBySelection(text) {
    const scratch = document.createElement("textarea");
    scratch.value = text;
    scratch.setAttribute("readonly", "");
    scratch.className = "offscreen";
    document.body.append(scratch);
    scratch.select();
    let copied = false;
    try {
        copied = document.execCommand("copy");
    } catch {
        copied = false;
    }
    scratch.remove();
    return copied;
}

async function copySolution() {
    const text = page.view.shownText();
    let copied = false;
    try {
        await navigator.clipboard.writeText(text);
        copied = true;
    } catch {
        copied = copyBySelection(text);
    }
    say(copied ? "Решението е копирано."
               : "Копирането не успя: маркирайте текста на решението и го копирайте с Ctrl+C.");
}

async function start() {
    installTextMeasure(document);
    fillDecimals();
    page.form.addEventListener("submit", (event) => {
        event.preventDefault();
        if (panel) {
            solve(panel.texts());
        }
    });
    page.decimals.addEventListener("change", () => {
        if (solvedTexts) {
            solve(solvedTexts);
        }
    });
    page.copy.addEventListener("click", copySolution);
    page.print.addEventListener("click", () => window.print());
    try {
        engine = await globalThis.createTrapezoidEngine();
        const fields = JSON.parse(engine.panelFields());
        fieldCount = fields.length;
        panel = new OwnProblemPanel(document, page.grid, page.panelHint, fields);
    } catch (error) {
        console.error("The engine did not load:", error);
        page.grid.textContent = "";
        page.panelHint.textContent =
            "Калкулаторът не можа да се зареди в този браузър. Опитайте с по-нов браузър.";
        return;
    }
    page.solve.disabled = false;
    document.documentElement.dataset.engine = "ready";
    performance.mark("trapezoid-ready");
}

start();
