#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

// A framed group of radio buttons, one per item, in one or more columns, with at most one selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const;
    // Replaces the item texts in place: the selection stays on the same position while it exists.
    void setItems(const QStringList& items);

    // -1 when nothing is selected.
    int itemIndex() const;
    void setItemIndex(int index);

    int columns() const { return m_columns; }
    void setColumns(int columns);

signals:
    // Any change of the selection, by the user or the program.
    void itemIndexChanged(int index);
    // The user clicked an item.
    void itemClicked(int index);

private:
    void arrange();

    QButtonGroup* m_buttons;
    QGridLayout* m_layout;
    int m_columns = 1;
};
