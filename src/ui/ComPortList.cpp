#include "ui/ComPortList.h"

#include "platform/PresentPorts.h"

#include <QComboBox>

QStringList ComPortList::presentPorts()
{
    QStringList names;
    for (const platform::PresentPort& port : platform::EnumComPorts())
        names << QString::fromStdString(port.name);
    return names;
}

void ComPortList::refill(QComboBox& combo, const QString& configuredName)
{
    combo.clear();
    combo.addItems(presentPorts());
    combo.setCurrentIndex(combo.findText(configuredName, Qt::MatchFixedString));
}
