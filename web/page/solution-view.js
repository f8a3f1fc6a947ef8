// SPDX-License-Identifier: GPL-3.0-or-later
// The output: the drawing(s), each under its heading when there are two, and
// the worked solution's text.

import { figureSvg } from "./figure-svg.js";

export class SolutionView {
    constructor(document, figures, text) {
        this.document = document;
        this.figures = figures;
        this.text = text;
    }

    shownText() {
        return this.text.textContent;
    }

    show(answer, fontPx) {
        const document = this.document;
        const drawn = answer.figures.map((figure) => {
            const box = document.createElement("div");
            box.className = "figure";
            if (typeof figure.heading === "string" && figure.heading !== "") {
                const heading = document.createElement("h3");
                heading.textContent = figure.heading;
                box.append(heading);
            }
            box.append(figureSvg(document, figure, fontPx));
            return box;
        });
        if (drawn.length === 0 && answer.noFigureReason !== "") {
            const reason = document.createElement("p");
            reason.className = "no-figure";
            reason.textContent = answer.noFigureReason;
            drawn.push(reason);
        }
        this.figures.replaceChildren(...drawn);
        this.text.textContent = answer.text;
    }
}
