#include "fault_message.hpp"

#include <QMessageBox>

QString FaultMessageText(trapezoid::ArithmeticFault fault) {
    const QString unchanged = QStringLiteral(" Стойностите в полетата не са променени.");
    switch (fault) {
        case trapezoid::ArithmeticFault::NegativeSquareRoot:
            return QStringLiteral(
                       "Няма правоъгълен трапец с тези размери: пресмятането стига до корен "
                       "квадратен от отрицателно число.") +
                   unchanged;
        case trapezoid::ArithmeticFault::DivisionByZero:
            return QStringLiteral(
                       "Няма правоъгълен трапец с тези размери: пресмятането стига до деление "
                       "на нула.") +
                   unchanged;
        case trapezoid::ArithmeticFault::Overflow:
            break;
    }
    return QStringLiteral("Числата са твърде големи, за да бъдат пресметнати.") + unchanged;
}

void ShowFaultMessage(QWidget* parent, trapezoid::ArithmeticFault fault) {
    auto* box = new QMessageBox(QMessageBox::Warning, parent->windowTitle(),
                                FaultMessageText(fault), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
