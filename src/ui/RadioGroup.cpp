#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), m_buttons(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    m_buttons->setExclusive(true);
    m_layout->setContentsMargins(8, 2, 8, 4);
    m_layout->setVerticalSpacing(0);
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (QAbstractButton* button : m_buttons->buttons())
        texts << button->text();
    return texts;
}

void RadioGroup::setItems(const QStringList& items)
{
    const int selected = itemIndex();
    while (m_buttons->buttons().size() > items.size()) {
        QAbstractButton* last = m_buttons->button(static_cast<int>(m_buttons->buttons().size()) - 1);
        m_buttons->removeButton(last);
        delete last;
    }
    for (int i = 0; i < items.size(); ++i) {
        QAbstractButton* button = m_buttons->button(i);
        if (!button) {
            button = new QRadioButton(this);
            button->setObjectName(objectName() + QLatin1Char('_') + QString::number(i));
            m_buttons->addButton(button, i);
        }
        button->setText(items.at(i));
    }
    arrange();
    if (selected >= items.size() && m_buttons->checkedButton()) {
        m_buttons->setExclusive(false);
        m_buttons->checkedButton()->setChecked(false);
        m_buttons->setExclusive(true);
    }
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_buttons->button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = m_buttons->checkedButton()) {
        m_buttons->setExclusive(false);
        checked->setChecked(false);
        m_buttons->setExclusive(true);
        emit itemIndexChanged(-1);
    }
}

void RadioGroup::setColumns(int columns)
{
    m_columns = std::max(1, columns);
    arrange();
}

void RadioGroup::arrange()
{
    const auto buttons = m_buttons->buttons();
    const int count = static_cast<int>(buttons.size());
    const int rows = (count + m_columns - 1) / m_columns;
    for (int i = 0; i < count; ++i) {
        m_layout->removeWidget(buttons.at(i));
        m_layout->addWidget(buttons.at(i), rows ? i % rows : 0, rows ? i / rows : 0);
    }
}
