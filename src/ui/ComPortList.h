#pragma once

#include <QStringList>

class QComboBox;

// Fills the hidden port list with the present serial ports and selects the configured port name.
class ComPortList
{
public:
    // COM names of the present ports in port-list order.
    static QStringList presentPorts();
    // Refills combo; selects configuredName (case-insensitive, whole name) or nothing.
    static void refill(QComboBox& combo, const QString& configuredName);
};
