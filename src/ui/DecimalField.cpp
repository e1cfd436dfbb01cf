#include "ui/DecimalField.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

DecimalField::DecimalField(QWidget* parent) : QDoubleSpinBox(parent) {}

QChar DecimalField::decimalSeparator() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

double DecimalField::numberOf(const QString& text) const
{
    QString plain = text.trimmed();
    plain.replace(decimalSeparator(), u'.');
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return (ok && std::isfinite(value)) ? value : minimum();
}

double DecimalField::number() const
{
    return numberOf(lineEdit()->text());
}

void DecimalField::setNumber(double value)
{
    const double bounded = std::isfinite(value) ? std::clamp(value, minimum(), maximum()) : minimum();
    setValue(bounded);
    lineEdit()->setText(textFromValue(bounded));
}

void DecimalField::stepBy(int steps)
{
    setNumber(number() + steps * singleStep());
}

QValidator::State DecimalField::validate(QString& input, int& pos) const
{
    const QChar separator = decimalSeparator();
    input.replace(u'.', separator);
    int exponents = 0;
    for (const QChar c : input) {
        if (c == u'e' || c == u'E')
            ++exponents;
        else if (!c.isDigit() && c != u'+' && c != u'-' && c != separator)
            return QValidator::Invalid;
    }
    if (exponents > 1)
        return QValidator::Invalid;
    const qsizetype first = input.indexOf(separator);
    if (first >= 0 && input.indexOf(separator, first + 1) >= 0) {
        // A second separator only moves the caret behind the first one.
        const qsizetype typed = (pos > 0 && input.at(pos - 1) == separator && pos - 1 != first)
                                    ? pos - 1
                                    : input.indexOf(separator, first + 1);
        input.remove(typed, 1);
        pos = static_cast<int>(first + 1);
        if (input.indexOf(separator, first + 1) >= 0)
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

double DecimalField::valueFromText(const QString& text) const
{
    return numberOf(text);
}

void DecimalField::focusOutEvent(QFocusEvent* event)
{
    const double bounded = std::clamp(number(), minimum(), maximum());
    const QString text = textFromValue(bounded);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
    setValue(bounded);
    QDoubleSpinBox::focusOutEvent(event);
    emit exited();
}
