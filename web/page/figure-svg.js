// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a figure as the engine laid it out: lines, texts and right-angle
// marks in CSS pixels, y downwards. Nothing is placed again here.

const SVG = "http://www.w3.org/2000/svg";
// What a line is, when the engine says: each kind has its own pen.
const LINE_KINDS = ["outline", "height", "mark", "leader", "extension"];

function finite(value) {
    const number = Number(value);
    return Number.isFinite(number) ? number : null;
}

function element(document, name, attributes) {
    const node = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) {
        node.setAttribute(key, String(value));
    }
    return node;
}

function drawLine(document, line) {
    const [x1, y1, x2, y2] = [line.x1, line.y1, line.x2, line.y2].map(finite);
    if ([x1, y1, x2, y2].includes(null)) {
        return null;
    }
    const node = element(document, "line", { x1, y1, x2, y2 });
    const classes = [LINE_KINDS.includes(line.kind) ? line.kind : "",
                     line.dashed === true ? "dashed" : ""].filter(Boolean);
    if (classes.length > 0) {
        node.setAttribute("class", classes.join(" "));
    }
    return node;
}

// The square's two sides leave the corner towards the trapezoid's inside:
// at A (below) upwards, at D (above) downwards, always to the right.
function drawMark(document, mark) {
    const [x, y, size] = [mark.x, mark.y, mark.size].map(finite);
    if ([x, y, size].includes(null)) {
        return null;
    }
    const down = mark.corner === "D" ? size : -size;
    const points = [[x + size, y], [x + size, y + down], [x, y + down]];
    return element(document, "polyline", {
        points: points.map((point) => point.join(",")).join(" "),
        class: "mark",
    });
}

function drawText(document, text, fontPx) {
    const [x, y] = [text.x, text.y].map(finite);
    if (x === null || y === null) {
        return null;
    }
    const node = element(document, "text", { x, y, "font-size": fontPx });
    if (text.italic === true) {
        node.setAttribute("font-style", "italic");
    }
    node.textContent = String(text.text ?? "");
    return node;
}

function list(value) {
    return Array.isArray(value) ? value : [];
}

// What a screen reader says for the drawing: the engine's description when it
// gives one, else its labels.
export function figureDescription(figure) {
    if (typeof figure.description === "string" && figure.description !== "") {
        return figure.description;
    }
    const labels = list(figure.texts)
        .map((text) => String(text.text ?? ""))
        .filter((text) => text.includes("=") || text.includes("≈"));
    const prefix = figure.heading ? `Чертеж, ${figure.heading}` : "Чертеж на трапеца";
    return labels.length > 0 ? `${prefix}: ${labels.join("; ")}` : prefix;
}

// An <svg> of the figure, as large as laid out and narrower on a small screen.
export function figureSvg(document, figure, fontPx) {
    const width = finite(figure.width) ?? 0;
    const height = finite(figure.height) ?? 0;
    const svg = element(document, "svg", {
        viewBox: `0 0 ${width} ${height}`,
        width,
        height,
        role: "img",
        "aria-label": figureDescription(figure),
        class: "figure-drawing",
    });
    const drawn = [
        ...list(figure.lines).map((line) => drawLine(document, line)),
        ...list(figure.marks).map((mark) => drawMark(document, mark)),
        ...list(figure.texts).map((text) => drawText(document, text, fontPx)),
    ];
    for (const node of drawn) {
        if (node !== null) {
            svg.append(node);
        }
    }
    return svg;
}
