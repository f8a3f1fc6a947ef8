// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal separator of the browser's language. The texts stay Bulgarian;
// only the separator follows the language. Numbers always have a leading zero
// and a leading minus, and Latin digits.

// "," or "." as the first usable language of `languages` writes 1.5.
export function decimalSeparatorFor(languages) {
    const candidates = [...(Array.isArray(languages) ? languages : [languages]), undefined];
    for (const language of candidates) {
        try {
            const parts = new Intl.NumberFormat(language, { numberingSystem: "latn" })
                .formatToParts(1.5);
            const decimal = parts.find((part) => part.type === "decimal");
            // Separators other than these two ("٫", ...) read badly between Latin digits.
            return decimal && decimal.value === "," ? "," : ".";
        } catch {
            // Not a language tag: try the next one, then the browser's default.
        }
    }
    return ".";
}

// The browser's languages, most preferred first.
export function browserLanguages(browser = globalThis.navigator) {
    if (browser && Array.isArray(browser.languages) && browser.languages.length > 0) {
        return browser.languages;
    }
    return browser && browser.language ? [browser.language] : [];
}
