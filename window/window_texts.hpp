#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the window, apart from the help text.

// The caption: the publisher's address, one blank, then the window's title.
QString WindowCaption();

QString TitleLabelText();   // the title label across the top
QString GivenLabelText();   // the label over the kind list
QString FrameCaption();     // the caption of the frame around the input panel
QString CalculateCaption(); // Command1(0)
QString ClearCaption();     // Command1(1)

// The captions of the six given-marks, in quantity order.
QStringList QuantityCaptions();

// The fifteen items of the kind list, in kind order.
QStringList KindListItems();
