#pragma once

#include <QDoubleSpinBox>

// A decimal field with up/down buttons, cut back into range when the focus leaves. The text accepts digits,
// the signs, one decimal separator (a typed point counts as the locale's separator; typing it again only
// moves the caret behind the one there) and one exponent letter. An empty or unreadable text is the minimum.
class DecimalField : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit DecimalField(QWidget* parent = nullptr);

    // The number the text shows, not cut back.
    double number() const;
    // Sets the value, cut back into range.
    void setNumber(double value);

    void stepBy(int steps) override;

signals:
    void exited();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double numberOf(const QString& text) const;
    QChar decimalSeparator() const;
};
