// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_texts.hpp"

#include "trapezoid/solver.hpp"

#ifndef TRAPEZOID_PUBLISHER_ADDRESS
#define TRAPEZOID_PUBLISHER_ADDRESS "www.example.bg"
#endif

namespace window_texts {

QString PublisherAddress() {
    return QStringLiteral(TRAPEZOID_PUBLISHER_ADDRESS);
}

QString Caption() {
    return PublisherAddress() + u' ' + QStringLiteral("Математика - правоъгълен трапец, основи");
}

QString TitleLabel() {
    return QStringLiteral("Математика - правоъгълен трапец, основи, лице");
}
QString GivenLabel() {
    return QStringLiteral("Дадени:");
}
QString DimensionsFrame() {
    return QStringLiteral("Размери");
}
QString CalculateButton() {
    return QStringLiteral("Изчисли");
}
QString ClearButton() {
    return QStringLiteral("Изчисти");
}

QString QuantityTerm(int index) {
    static const char* const kTerms[trapezoid::kQuantityCount] = {
        "по-голямата основа", "бедро", "по-малката основа", "височина", "периметър", "лице"};
    return QString::fromUtf8(kTerms[index]);
}

QStringList KindListItems() {
    QStringList items;
    for (const trapezoid::KindInfo& kind : trapezoid::kKinds) {
        items << QString::fromUtf8(kind.list_text.data(),
                                   static_cast<qsizetype>(kind.list_text.size()));
    }
    return items;
}

QString HelpText() {
    static const char* const kLines[] = {
        "Да се реализира проект, чрез който се представят междупредметни връзки между "
        "Математика и Информатика.",
        "Тема на проекта: Математика - правоъгълен трапец, основи, лице.",
        "Чрез проекта да се въвеждат по избор три параметъра от множеството: основа, височина, "
        "бедро, периметър, лице и се изчисляват дължините на останалите елементи в правоъгълен "
        "трапец.",
        "Съобразно избраната начална комбинация параметри да се разрешава въвеждането само на "
        "три от изброените параметри. ",
        "Изборът на желаната комбинация параметри да се осъществи чрез списъчно поле, а "
        "размерите на правоъгълния трапец да се въвеждат в текстови полета. ",
        "За правоъгълен трапец - двете основи (a,c) са успоредни, едното бедро е "
        "перпендикулярно на двете основи и е равно на височината на трапеца. ",
        "В проекта са използвани следните формули и означения:",
        "a - дължина по-голямата основа;",
        "c - дължина по-малката основа;",
        "b - бедро на трапеца;",
        "h - височина на трапеца;",
        "P - периметър на трапеца;",
        "S - лице на трапеца.",
        "Използват се следните формули:",
        "Периметър: P = a + c + b + h;",
        "Лице: S = (a + c)*h / 2",
        "Пример: AB=6, BC=5 AD = 4  Изход CD = 3, P=18, S=18",
    };
    QString text;
    for (const char* line : kLines) {
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace window_texts
