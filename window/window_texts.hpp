// SPDX-License-Identifier: GPL-3.0-or-later
// The window's static texts.
#pragma once

#include <QString>
#include <QStringList>

namespace window_texts {

// The publisher's web address that starts the window caption.
QString PublisherAddress();
// The publisher's address, one blank, then the window's title.
QString Caption();

QString TitleLabel();
QString GivenLabel();
QString DimensionsFrame();
QString CalculateButton();
QString ClearButton();

// The term for quantity `index` (QuantityIndex), as the help text names it.
QString QuantityTerm(int index);

// The fifteen problem kinds as the list shows them, in kind order.
QStringList KindListItems();

// The seventeen lines of the assignment box, each ended by CR LF.
QString HelpText();

}  // namespace window_texts
