// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the one-file web page in headless Chromium: the time from opening
// the file to the first solve being possible (a new browser each run), a
// solve from the page (the engine, reading its answer and drawing it), and
// the file's size.
//
//     node bench/web_page.mjs [PAGE.html] [RUNS]
// Needs the check's packages: tools/check-web installs them in tests/web/.
import { readFileSync, statSync } from "node:fs";
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { launchChromium, openTab, waitUntilReady } from "../tests/web/browser.mjs";

const pagePath = process.argv[2] ?? "build-web/trapezoid-calculator.html";
const runs = Number(process.argv[3] ?? 7);
const url = pathToFileURL(resolve(pagePath)).href;

const PROBLEMS = {
    "a=10 b=6 c=5": { 0: "10", 1: "6", 2: "5" },
    "P=20 b=6 c=3 (two trapezoids)": { 1: "6", 2: "3", 4: "20" },
    "a=10 b=3 c=5 (none)": { 0: "10", 1: "3", 2: "5" },
    "a=12 c=8 ∠B=45": { 0: "12", 2: "8", 10: "45" },
};
const SOLVES_EACH = 30;

function median(values) {
    const sorted = [...values].sort((x, y) => x - y);
    return sorted[Math.floor(sorted.length / 2)];
}

function report(name, samples, limit) {
    const middle = median(samples);
    const verdict = middle <= limit ? "within" : "OVER";
    console.log(`${name.padEnd(44)} median ${middle.toFixed(1).padStart(7)} ms  ` +
                `max ${Math.max(...samples).toFixed(1).padStart(7)} ms  ${verdict} ${limit} ms`);
}

async function timeToReady() {
    const pageSide = [];
    const wall = [];
    for (let run = 0; run < runs; ++run) {
        const { browser, close } = await launchChromium("bg");
        try {
            const { tab } = await openTab(browser, url);
            const start = performance.now();
            await tab.goto(url, { waitUntil: "domcontentloaded" });
            await waitUntilReady(tab);
            wall.push(performance.now() - start);
            pageSide.push(await tab.evaluate(
                () => performance.getEntriesByName("trapezoid-ready")[0].startTime));
        } finally {
            await close();
        }
    }
    report("opening to first solve possible (page clock)", pageSide, 1000);
    report("opening to first solve possible (wall)", wall, 1000);
}

async function solveTimes() {
    const { browser, close } = await launchChromium("bg");
    try {
        const { tab } = await openTab(browser, url);
        await tab.goto(url);
        await waitUntilReady(tab);
        for (const [name, givens] of Object.entries(PROBLEMS)) {
            const samples = await tab.evaluate((texts, count) => {
                const inputs = [...document.querySelectorAll("#givens input")];
                inputs.forEach((input, index) => { input.value = texts[index] ?? ""; });
                const form = document.getElementById("own-problem");
                const times = [];
                for (let i = 0; i < count; ++i) {
                    const start = performance.now();
                    form.requestSubmit();
                    void document.body.offsetHeight; // the new text and drawing laid out
                    times.push(performance.now() - start);
                }
                return times;
            }, givens, SOLVES_EACH);
            report(`solve ${name}`, samples, 20);
        }
    } finally {
        await close();
    }
}

const bytes = statSync(pagePath).size;
const limit = 1.5e6;
console.log(`${pagePath}: ${bytes} bytes (${(bytes / 1e6).toFixed(2)} MB, ` +
            `${gzipSync(readFileSync(pagePath)).length} gzipped), ` +
            `${bytes <= limit ? "within" : "OVER"} 1.5 MB`);
await timeToReady();
await solveTimes();
