// SPDX-License-Identifier: GPL-3.0-or-later
// Appended to the engine's script: the page's text measurement called so that
// nothing it throws reaches the engine, and the page's two calls wrapped so
// that nothing throws into the page: a failure comes back as a hint.
Module['measureTextSafely'] = function (text, fontPx) {
  try {
    const measure = globalThis['trapezoidMeasureText'];
    if (typeof measure !== 'function') {
      return null;
    }
    const extent = measure(text, fontPx);
    return extent !== null && typeof extent === 'object' ? extent : null;
  } catch (error) {
    return null;
  }
};

(function () {
  const previous = Module['onRuntimeInitialized'];
  Module['onRuntimeInitialized'] = function () {
    const solvePanel = Module['solvePanel'];
    Module['solvePanel'] = function (request) {
      try {
        return solvePanel(String(request));
      } catch (error) {
        return JSON.stringify({
          status: 'hint',
          hint: 'Задачата не може да се реши: ' + String(error),
          field: -1,
        });
      }
    };
    if (previous) {
      previous();
    }
  };
})();
