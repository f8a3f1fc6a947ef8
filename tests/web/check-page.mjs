// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the built page from disk in headless Chromium and uses it as a person
// would: by keyboard, on a phone's screen, in light and dark, in another
// language, with axe-core looking on. Prints "N passed, N failed" last.
//
//     node tests/web/check-page.mjs PAGE.html [SCREENSHOT_DIR]
import { mkdirSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import { createRequire } from "node:module";
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium, openTab, waitUntilReady } from "./browser.mjs";
import { fieldValues, figureTexts, fillGivens, hintAt, overflowsSideways, panelHint,
         shownText, smallControls } from "./page-reading.mjs";

const [pagePath, shotsDir] = process.argv.slice(2);
if (!pagePath) {
    console.error("usage: check-page.mjs PAGE.html [SCREENSHOT_DIR]");
    process.exit(2);
}
const url = pathToFileURL(resolve(pagePath)).href;
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"),
                               "utf8");

let passed = 0;
let failed = 0;
async function check(name, body) {
    try {
        await body();
        ++passed;
        console.log(`ok    ${name}`);
    } catch (error) {
        ++failed;
        console.log(`FAIL  ${name}\n      ${String(error.message ?? error).split("\n").join("\n      ")}`);
    }
}
function expect(condition, message) {
    if (!condition) {
        throw new Error(message);
    }
}
function expectIncludes(text, part) {
    expect(text.includes(part), `expected "${part}" in:\n${text}`);
}

async function seriousAxeViolations(tab) {
    if (!(await tab.evaluate(() => typeof globalThis.axe === "object"))) {
        await tab.addScriptTag({ content: axeSource });
    }
    const results = await tab.evaluate(() => globalThis.axe.run(document));
    return results.violations
        .filter((violation) => violation.impact === "serious" || violation.impact === "critical")
        .map((violation) => `${violation.id}: ${violation.help} ` +
             `(${violation.nodes.map((node) => node.target.join(" ")).join(", ")})`);
}

async function screenshot(tab, name) {
    if (shotsDir) {
        mkdirSync(shotsDir, { recursive: true });
        await tab.screenshot({ path: `${shotsDir}/${name}.png`, fullPage: true });
    }
}

const { browser, close } = await launchChromium("bg");
try {
    const { tab, problems } = await openTab(browser, url);
    await tab.goto(url);

    await check("the page is ready to solve from file://", () => waitUntilReady(tab));

    await check("a = 10, b = 6, c = 5 typed from the keyboard and Enter give S = 15√11/2",
                async () => {
        await tab.keyboard.press("Tab");
        expect(await tab.evaluate(() => document.activeElement.id === "given-0"),
               "Tab does not lead to the field of a first");
        await fillGivens(tab, { 0: "10", 1: "6", 2: "5" });
        await tab.keyboard.press("Enter");
        expectIncludes(await shownText(tab), "S = 15√11/2 ≈ 24,8746859");
    });

    await check("the drawing is labelled h = √11 and a = 10", async () => {
        const labels = await figureTexts(tab);
        expect(labels.includes("h = √11") && labels.includes("a = 10"),
               `labels: ${labels.join(" | ")}`);
    });

    await check("P = 20, b = 6, c = 3 draws both trapezoids, each under its heading", async () => {
        await fillGivens(tab, { 0: "", 1: "6", 2: "3", 4: "20" });
        await tab.keyboard.press("Enter");
        const labels = await figureTexts(tab);
        expect(labels.includes("a = 7 − √2") && labels.includes("a = 7 + √2"),
               `labels: ${labels.join(" | ")}`);
        // Headings above the drawings, or inside the one drawing of both.
        const headings = [...labels, ...await tab.$$eval("#figures h3",
                                                         (found) => found.map((h) => h.textContent))];
        expect(headings.includes("Първа възможност") && headings.includes("Втора възможност"),
               `no heading for each trapezoid: ${headings.join(" | ")}`);
        await fillGivens(tab, { 0: "10", 1: "6", 2: "5", 4: "" });
        await tab.keyboard.press("Enter");
    });

    await check("the line Условия with the ∠ button and Enter gives S = 175√3/8", async () => {
        await fillGivens(tab, { 0: "10", 1: "", 2: "", 10: "60", 12: "ACB=90" });
        await tab.focus("#given-12");
        await tab.keyboard.press("Home");
        await tab.click("#givens button.sign");  // ∠, at the cursor
        expect((await fieldValues(tab))[12] === "∠ACB=90",
               `the line reads ${(await fieldValues(tab))[12]}`);
        expect(await tab.evaluate(() => document.activeElement.id === "given-12"),
               "the cursor left the line");
        await tab.keyboard.press("Enter");
        expectIncludes(await shownText(tab), "S = 175√3/8");
        const names = await tab.$$eval("#givens button.sign",
                                       (buttons) => buttons.map((b) => b.getAttribute("aria-label")));
        expect(names.length === 3 && names.every((name) => name.startsWith("Вмъкни")),
               `buttons: ${names.join(" | ")}`);
        expect((await tab.$eval("#given-12", (input) => input.closest(".given").title)).includes("AC⊥BD"),
               "no tooltip with examples");
    });

    await check("a condition the engine cannot read shows its hint at the line", async () => {
        await fillGivens(tab, { 12: "x=3" });
        await tab.keyboard.press("Enter");
        expectIncludes(await hintAt(tab, 12), "„x=3“");
        await fillGivens(tab, { 0: "10", 1: "6", 2: "5", 10: "", 12: "" });
        await tab.keyboard.press("Enter");
    });

    await check("the field in focus shows a visible outline", async () => {
        const outline = await tab.evaluate(() => {
            const style = getComputedStyle(document.activeElement);
            return `${style.outlineStyle} ${style.outlineWidth}`;
        });
        expect(!outline.startsWith("none") && !outline.endsWith(" 0px"), `outline: ${outline}`);
    });

    await check("two decimals after ≈ solve the same givens again", async () => {
        await tab.select("#decimals", "2");
        expect(/≈ 24,87(?!\d)/.test(await shownText(tab)), "no S ≈ 24,87 with two decimals");
        await tab.select("#decimals", "7");
        expectIncludes(await shownText(tab), "≈ 24,8746859");
    });

    await screenshot(tab, "light");
    await check("axe-core finds no serious or critical fault in light", async () => {
        const faults = await seriousAxeViolations(tab);
        expect(faults.length === 0, faults.join("\n"));
    });

    await check("an unreadable given shows its hint at its field and keeps the text", async () => {
        const before = await shownText(tab);
        await fillGivens(tab, { 0: "абв" });
        await tab.click("#solve");
        const hint = await hintAt(tab, 0);
        expectIncludes(hint, "„абв“");
        expectIncludes(hint, "стойността трябва да е число, по-голямо от 0.");
        expect((await fieldValues(tab))[0] === "абв", "the typed text is gone");
        expect(await tab.evaluate(() => document.activeElement.id === "given-0"),
               "the cursor is not in the field of a");
        expect((await shownText(tab)) === before, "the shown solution changed");
    });

    await check("typing again hides the hint", async () => {
        await tab.keyboard.type("1");
        expect((await hintAt(tab, 0)) === "", "the hint stays");
    });

    await check("an impossible trapezoid shows its sentence", async () => {
        await fillGivens(tab, { 0: "10", 1: "3", 2: "5" });
        await tab.keyboard.press("Enter");
        const text = await shownText(tab);
        expectIncludes(text, "Няма правоъгълен трапец с тези размери: бедрото b = 3 е по-късо от разликата на основите |a − c| = 5.");
        expect((await figureTexts(tab)).length === 0, "a drawing is shown");
    });

    await check("one filled field asks for two or three", async () => {
        await fillGivens(tab, { 0: "", 1: "", 2: "5" });
        await tab.keyboard.press("Enter");
        expectIncludes(await panelHint(tab), "Попълнете две или три полета (попълнени: 1).");
    });

    await check("Копирай puts the solution on the clipboard", async () => {
        await browser.defaultBrowserContext().overridePermissions(url, [
            "clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
        await fillGivens(tab, { 0: "10", 1: "6", 2: "5" });
        await tab.keyboard.press("Enter");
        await tab.click("#copy");
        await tab.waitForFunction(() => document.getElementById("status").textContent !== "",
                                 { timeout: 5000 });
        const copied = await tab.evaluate(() => navigator.clipboard.readText());
        expect(copied === (await shownText(tab)), `clipboard: ${copied}`);
    });

    await check("Печат prints only the drawing and the text", async () => {
        await tab.evaluate(() => {
            globalThis.printed = 0;
            window.print = () => ++globalThis.printed;
        });
        await tab.click("#print");
        expect(await tab.evaluate(() => globalThis.printed === 1), "window.print was not called");
        await tab.emulateMediaType("print");
        const shown = await tab.evaluate(() =>
            ["h1", "#own-problem", ".options", "#figures svg", "#solution-text"].map(
                (selector) => document.querySelector(selector).getBoundingClientRect().height > 0));
        await tab.emulateMediaType(null);
        expect(shown.join() === "false,false,false,true,true", `shown: ${shown.join()}`);
    });

    await tab.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
    await screenshot(tab, "dark");
    await check("the dark theme follows the system and passes axe-core", async () => {
        const background = await tab.evaluate(() => getComputedStyle(document.body).backgroundColor);
        expect(background !== "rgb(255, 255, 255)", `background: ${background}`);
        const faults = await seriousAxeViolations(tab);
        expect(faults.length === 0, faults.join("\n"));
    });
    await tab.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "light" }]);

    await tab.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
    await check("at 360 × 640 nothing scrolls sideways and every control is 44 px", async () => {
        await fillGivens(tab, { 0: "10", 1: "6", 2: "5" });
        await tab.keyboard.press("Enter");
        expect(!(await overflowsSideways(tab)), "the page scrolls sideways");
        const small = await smallControls(tab);
        expect(small.length === 0, `smaller than 44 px: ${small.join(", ")}`);
        // The values take a number pad; the line "Условия" takes letters too.
        expect(await tab.evaluate(() => [...document.querySelectorAll("input")].every(
                   (input) => input.inputMode ===
                       (input.closest(".conditions") ? "text" : "decimal"))),
               "a value field without inputmode=decimal, or the line Условия with it");
    });
    await screenshot(tab, "phone");

    await check("no console error, no exception and nothing fetched", async () => {
        expect(problems.length === 0, problems.join("\n"));
    });

    const english = await openTab(browser, url, { language: "en-US" });
    await english.tab.goto(url);
    await check("in an English browser the point separates decimals and the text stays Bulgarian",
                async () => {
        await waitUntilReady(english.tab);
        await english.tab.click("#given-0");
        await fillGivens(english.tab, { 0: "10", 1: "6", 2: "5" });
        await english.tab.keyboard.press("Enter");
        const text = await shownText(english.tab);
        expectIncludes(text, "S = 15√11/2 ≈ 24.8746859");
        expectIncludes(text, "Отговор:");
        expect(await english.tab.evaluate(() => document.documentElement.lang === "bg"),
               "the page's language is not bg");
    });

    // The same file from a plain static server on this machine's loopback.
    const server = createServer((request, response) => {
        response.writeHead(request.url === "/" ? 200 : 404, { "Content-Type": "text/html" });
        response.end(request.url === "/" ? readFileSync(pagePath) : "");
    });
    await new Promise((done) => server.listen(0, "127.0.0.1", done));
    const served = `http://127.0.0.1:${server.address().port}/`;
    const fromServer = await openTab(browser, served);
    await fromServer.tab.goto(served);
    await check("from a static web server the page solves too, fetching nothing else", async () => {
        await waitUntilReady(fromServer.tab);
        await fillGivens(fromServer.tab, { 0: "10", 1: "6", 2: "5" });
        await fromServer.tab.keyboard.press("Enter");
        expectIncludes(await shownText(fromServer.tab), "S = 15√11/2 ≈ 24,8746859");
        expect(fromServer.problems.length === 0, fromServer.problems.join("\n"));
    });
    server.close();
} finally {
    await close();
}
console.log(`browser: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
