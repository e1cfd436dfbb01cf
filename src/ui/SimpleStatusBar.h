#pragma once

#include <QStatusBar>

class QLabel;

// A status bar in simple mode: one text, which menu hints never wipe out.
class SimpleStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit SimpleStatusBar(QWidget* parent = nullptr);

    QString simpleText() const;
    void setSimpleText(const QString& text);

private:
    QLabel* m_text;
};
