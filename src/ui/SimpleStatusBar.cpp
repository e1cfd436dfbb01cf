#include "ui/SimpleStatusBar.h"

#include <QLabel>

SimpleStatusBar::SimpleStatusBar(QWidget* parent) : QStatusBar(parent), m_text(new QLabel(this))
{
    m_text->setObjectName(QStringLiteral("SimpleText"));
    // A long text is cut at the edge instead of widening the fixed window.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setSizeGripEnabled(false);
    addWidget(m_text, 1);
}

QString SimpleStatusBar::simpleText() const
{
    return m_text->text();
}

void SimpleStatusBar::setSimpleText(const QString& text)
{
    m_text->setText(text);
    m_text->setAccessibleName(text);
}
