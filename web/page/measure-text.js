// SPDX-License-Identifier: GPL-3.0-or-later
// The engine lays out the drawing's labels with the browser's own text
// measures: a canvas in the figure's font, the one the SVG draws them in.

export function installTextMeasure(document) {
    const context = document.createElement("canvas").getContext("2d");
    globalThis.trapezoidMeasureText = (text, fontPx) => {
        const size = Number(fontPx) > 0 ? Number(fontPx) : 16;
        if (!context) {
            return { width: 0.55 * size * String(text).length, ascent: 0.8 * size,
                     descent: 0.2 * size };
        }
        context.font = `${size}px serif`;
        const metrics = context.measureText(String(text));
        return {
            width: metrics.width,
            ascent: metrics.fontBoundingBoxAscent ?? 0.8 * size,
            descent: metrics.fontBoundingBoxDescent ?? 0.2 * size,
        };
    };
}
