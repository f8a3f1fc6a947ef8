// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, with a new empty profile, driven over the
// DevTools protocol; shared by the page's check and its benchmark.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";

const CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

export async function launchChromium(language = "bg") {
    const profile = mkdtempSync(join(tmpdir(), "trapezoid-page-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
        headless: false, // the flags below say --headless themselves
        args: [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`, `--lang=${language}`, `--accept-lang=${language}`],
        defaultViewport: { width: 1024, height: 768 },
    });
    const close = async () => {
        await browser.close();
        rmSync(profile, { recursive: true, force: true });
    };
    return { browser, close };
}

// A new tab in the browser's language, or in `language`, that records console errors, uncaught exceptions and every
// request for anything but the page's own file.
export async function openTab(browser, url, { language } = {}) {
    const tab = await browser.newPage();
    const problems = [];
    tab.on("console", (message) => {
        if (message.type() === "error") {
            problems.push(`console error: ${message.text()}`);
        }
    });
    tab.on("pageerror", (error) => problems.push(`uncaught: ${error.message}`));
    tab.on("request", (request) => {
        const address = request.url();
        if (address !== url && !address.startsWith("data:") && !address.startsWith("blob:")) {
            problems.push(`fetched ${address}`);
        }
    });
    if (language !== undefined) {
        // As if the browser's language setting were `language`.
        const userAgent = await browser.userAgent();
        const session = await tab.createCDPSession();
        await session.send("Emulation.setUserAgentOverride",
                           { userAgent, acceptLanguage: language });
        await session.send("Emulation.setLocaleOverride", { locale: language });
    }
    return { tab, problems };
}

export async function waitUntilReady(tab, timeout = 10000) {
    await tab.waitForSelector("html[data-engine=ready]", { timeout });
}
