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

// The line "Условия" (an entry with kind "conditions"): relations and
// conditions, with buttons that insert ∠, ⊥ and √ at the cursor of the
// field last typed in.
function conditionsCell(document, field, index, panel) {
    const made = fieldCell(document, field, index);
    made.cell.classList.add("conditions");
    made.cell.title = String(field.tooltip ?? "");
    made.input.inputMode = "text";
    const signs = document.createElement("span");
    signs.className = "signs";
    for (const { sign, accessibleName } of Array.isArray(field.signs) ? field.signs : []) {
        const button = document.createElement("button");
        button.type = "button";
        button.className = "sign";
        button.textContent = String(sign ?? "");
        button.setAttribute("aria-label", String(accessibleName ?? sign ?? ""));
        button.title = String(accessibleName ?? "");
        // A click keeps the cursor where it is; Tab and Space reach it too.
        button.addEventListener("mousedown", (event) => event.preventDefault());
        button.addEventListener("click", () => panel.insert(String(sign ?? "")));
        signs.append(button);
    }
    made.hint.before(signs);
    return made;
}

export class OwnProblemPanel {
    // `fields`: panelFields() read from JSON; `grid`: where the fields go;
    // `panelHint`: the hint about no field in particular.
    constructor(document, grid, panelHint, fields) {
        this.panelHint = panelHint;
        this.cells = fields.map((field, index) => (field.kind === "conditions"
            ? conditionsCell(document, field, index, this)
            : fieldCell(document, field, index)));
        grid.replaceChildren(...this.cells.map((cell) => cell.cell));
        for (const { input } of this.cells) {
            input.addEventListener("input", () => this.showHint("", -1));
            input.addEventListener("focus", () => { this.lastInput = input; });
        }
        const line = this.cells.find(({ cell }) => cell.classList.contains("conditions"));
        this.lastInput = line?.input ?? this.cells[0]?.input;
    }

    // Puts `sign` at the cursor of the field last typed in, replacing what
    // is selected there.
    insert(sign) {
        const input = this.lastInput;
        if (!input) {
            return;
        }
        const start = input.selectionStart ?? input.value.length;
        const end = input.selectionEnd ?? start;
        input.setRangeText(sign, start, end, "end");
        input.focus();
        this.showHint("", -1);
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
