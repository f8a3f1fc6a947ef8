// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача": one field per entry of the engine's panelFields(),
// and its hints, each shown at the field it is about.

function fieldId(index) {
    return `given-${index}`;
}

function fieldCell(document, field, index) {
    const cell = document.createElement("div");
    cell.className = "given";
    cell.title = String(field.accessibleName ?? "");

    // The screen reader reads the words; the eye sees "a:".
    const label = document.createElement("label");
    label.htmlFor = fieldId(index);
    const seen = document.createElement("span");
    seen.setAttribute("aria-hidden", "true");
    seen.textContent = String(field.label ?? "");
    const heard = document.createElement("span");
    heard.className = "visually-hidden";
    heard.textContent = String(field.accessibleName ?? field.symbol ?? "");
    label.append(seen, heard);

    const input = document.createElement("input");
    input.id = fieldId(index);
    input.type = "text";
    input.inputMode = "decimal";
    input.autocomplete = "off";
    input.spellcheck = false;
    input.setAttribute("autocapitalize", "off");
    input.setAttribute("enterkeyhint", "go");
    input.placeholder = String(field.placeholder ?? "");
    input.dataset.symbol = String(field.symbol ?? "");

    const hint = document.createElement("p");
    hint.className = "field-hint";
    hint.id = `${fieldId(index)}-hint`;
    hint.hidden = true;

    cell.append(label, input, hint);
    return { cell, input, hint };
}

export class OwnProblemPanel {
    // `fields`: panelFields() read from JSON; `grid`: where the fields go;
    // `panelHint`: the hint about no field in particular.
    constructor(document, grid, panelHint, fields) {
        this.panelHint = panelHint;
        this.cells = fields.map((field, index) => fieldCell(document, field, index));
        grid.replaceChildren(...this.cells.map((cell) => cell.cell));
        for (const { input } of this.cells) {
            input.addEventListener("input", () => this.showHint("", -1));
        }
    }

    texts() {
        return this.cells.map((cell) => cell.input.value);
    }

    // Shows `text` at field `field` (or under the panel for -1) and puts the
    // cursor into that field with its text selected; "" hides the hint.
    showHint(text, field) {
        for (const { input, hint } of this.cells) {
            hint.hidden = true;
            hint.textContent = "";
            input.removeAttribute("aria-invalid");
            input.removeAttribute("aria-describedby");
        }
        // Said by a screen reader in either case; seen here only when no
        // field shows it.
        this.panelHint.textContent = text;
        const cell = this.cells[field];
        this.panelHint.classList.toggle("visually-hidden", cell !== undefined);
        if (!cell || text === "") {
            return;
        }
        cell.hint.textContent = text;
        cell.hint.hidden = false;
        cell.input.setAttribute("aria-invalid", "true");
        cell.input.setAttribute("aria-describedby", cell.hint.id);
        cell.input.focus();
        cell.input.select();
    }
}
