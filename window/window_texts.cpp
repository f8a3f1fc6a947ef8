#include "window_texts.hpp"

#include <trapezoid/solver.hpp>

// The publisher's web address is set when the program is built.
#ifndef TRAPEZOID_PUBLISHER_ADDRESS
#define TRAPEZOID_PUBLISHER_ADDRESS "http://www.example.bg"
#endif

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString WindowCaption() {
    return QStringLiteral(TRAPEZOID_PUBLISHER_ADDRESS) +
           QStringLiteral(" Математика - правоъгълен трапец, основи");
}

QString TitleLabelText() { return QStringLiteral("Математика - правоъгълен трапец, основи, лице"); }

QString GivenLabelText() { return QStringLiteral("Дадени:"); }

QString FrameCaption() { return QStringLiteral("Размери"); }

QString CalculateCaption() { return QStringLiteral("Изчисли"); }

QString ClearCaption() { return QStringLiteral("Изчисти"); }

QStringList QuantityCaptions() {
    QStringList captions;
    for (std::string_view symbol : trapezoid::kQuantitySymbols) {
        captions << FromView(symbol);
    }
    return captions;
}

QStringList KindListItems() {
    QStringList items;
    for (const trapezoid::KindInfo& kind : trapezoid::kKinds) {
        items << FromView(kind.list_text);
    }
    return items;
}
