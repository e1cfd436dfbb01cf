#include "ui/SpinField.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>

namespace
{

bool onlyDigitsAndSigns(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.isDigit() || c == u'+' || c == u'-'; });
}

} // namespace

SpinField::SpinField(QWidget* parent) : QSpinBox(parent)
{
    lineEdit()->installEventFilter(this);
}

int SpinField::numberOf(const QString& text) const
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : minimum();
}

int SpinField::number() const
{
    return numberOf(lineEdit()->text());
}

void SpinField::setNumber(int value)
{
    const int bounded = std::clamp(value, minimum(), maximum());
    setValue(bounded);
    lineEdit()->setText(textFromValue(bounded));
}

void SpinField::stepBy(int steps)
{
    const long long next = static_cast<long long>(number()) + static_cast<long long>(steps) * singleStep();
    const int bounded = static_cast<int>(std::clamp<long long>(next, minimum(), maximum()));
    setValue(bounded);
    lineEdit()->setText(textFromValue(bounded));
}

QValidator::State SpinField::validate(QString& input, int& pos) const
{
    if (!onlyDigitsAndSigns(input))
        return QValidator::Invalid;
    if (!m_whileTyping)
        return QValidator::Acceptable;
    const QString bounded = textFromValue(std::clamp(numberOf(input), minimum(), maximum()));
    if (bounded != input) {
        input = bounded;
        pos = static_cast<int>(input.size());
    }
    return QValidator::Acceptable;
}

int SpinField::valueFromText(const QString& text) const
{
    return numberOf(text);
}

void SpinField::cutBackText()
{
    const int bounded = std::clamp(number(), minimum(), maximum());
    const QString text = textFromValue(bounded);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
    if (value() != bounded)
        setValue(bounded);
}

void SpinField::focusOutEvent(QFocusEvent* event)
{
    cutBackText();
    QSpinBox::focusOutEvent(event);
    emit exited();
}

bool SpinField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick)
        emit doubleClicked();
    return QSpinBox::eventFilter(watched, event);
}
