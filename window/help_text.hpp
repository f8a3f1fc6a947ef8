#pragma once

#include <QString>

// The help text that the assignment box shows at start: the task, the notation
// and the formulas, seventeen lines, each ended by CR LF.
QString HelpText();
