#include "ui/RadioGroup.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace
{

// A group box inside another group box is otherwise announced with the outer box's title.
class RadioGroupAccessible : public QAccessibleWidget
{
public:
    explicit RadioGroupAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QGroupBox*>(widget())->title().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* radioGroupAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("RadioGroup") && object && object->isWidgetType())
        return new RadioGroupAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), m_buttons(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    static const bool accessibleInstalled = (QAccessible::installFactory(radioGroupAccessible), true);
    Q_UNUSED(accessibleInstalled);
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
