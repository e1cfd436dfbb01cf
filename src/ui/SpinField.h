#pragma once

#include <QSpinBox>

// A whole-number field with up/down buttons. The text accepts only digits and the signs + and -; an empty
// or unreadable text counts as the minimum. The value is cut back into range either on every change of the
// text (cutBackWhileTyping) or when the focus leaves; steps and values set by the program are cut back at
// once.
class SpinField : public QSpinBox
{
    Q_OBJECT
    Q_PROPERTY(bool cutBackWhileTyping READ cutBackWhileTyping WRITE setCutBackWhileTyping)
public:
    explicit SpinField(QWidget* parent = nullptr);

    bool cutBackWhileTyping() const { return m_whileTyping; }
    void setCutBackWhileTyping(bool on) { m_whileTyping = on; }

    // The number the text shows, not cut back (a field still being typed in may lie outside the range).
    int number() const;
    // Sets the value, cut back into range.
    void setNumber(int value);

    void stepBy(int steps) override;

signals:
    // The focus left the field, after its text was cut back.
    void exited();
    void doubleClicked();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int numberOf(const QString& text) const;
    void cutBackText();

    bool m_whileTyping = false;
};
