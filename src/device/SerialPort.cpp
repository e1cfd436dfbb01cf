// The port's name, the same on every OS; the OS's file does the rest.
#include "device/SerialPort.h"

#include "platform/ComPortNames.h"

QString SerialPort::portName() const
{
    return m_portName;
}

bool SerialPort::setPortName(const QString& name)
{
    if (comport::devicePath(name.toStdString()).empty())
        return false;
    m_portName = name;
    return true;
}

QString SerialPort::devicePath() const
{
    return QString::fromStdString(comport::devicePath(m_portName.toStdString()));
}
