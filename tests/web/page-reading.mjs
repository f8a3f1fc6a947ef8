// SPDX-License-Identifier: GPL-3.0-or-later
// What the check types into the page and reads off it.

// Types `texts` ({index: text}) into the fields, each replacing what was there.
export async function fillGivens(tab, texts) {
    for (const [index, text] of Object.entries(texts)) {
        const selector = `#given-${index}`;
        await tab.focus(selector);
        await tab.$eval(selector, (input) => input.select());
        await tab.keyboard.press("Backspace");
        if (text !== "") {
            await tab.keyboard.type(text);
        }
    }
}

export function fieldValues(tab) {
    return tab.$$eval("#givens input", (inputs) => inputs.map((input) => input.value));
}

export function shownText(tab) {
    return tab.$eval("#solution-text", (text) => text.innerText);
}

export function figureTexts(tab) {
    return tab.$$eval("#figures svg text", (texts) => texts.map((text) => text.textContent));
}

// The hint shown at field `index`, "" when none is seen.
export function hintAt(tab, index) {
    return tab.$eval(`#given-${index}-hint`,
                     (hint) => (hint.checkVisibility() ? hint.textContent : ""));
}

export function panelHint(tab) {
    return tab.$eval("#panel-hint", (hint) => hint.textContent);
}

export function overflowsSideways(tab) {
    return tab.evaluate(() => document.documentElement.scrollWidth >
                              document.documentElement.clientWidth);
}

// The buttons, fields and lists less than 44 × 44 CSS pixels.
export function smallControls(tab) {
    return tab.$$eval("button, input, select", (controls) => controls
        .filter((control) => {
            const box = control.getBoundingClientRect();
            return box.width < 44 || box.height < 44;
        })
        .map((control) => control.id || control.tagName));
}
