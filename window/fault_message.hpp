// Telling the user that a solve ended in an arithmetic fault.
#pragma once

#include <QString>

#include "trapezoid/solver.hpp"

class QWidget;

// The Bulgarian text naming what went wrong.
QString FaultMessageText(trapezoid::ArithmeticFault fault);

// Opens a window-modal warning over `parent`, titled with its caption, that
// closes itself; it does not block the caller.
void ShowFaultMessage(QWidget* parent, trapezoid::ArithmeticFault fault);
