#pragma once

#include "device/SerialPortHandler.h"

#include <QString>
#include <QStringList>

// The serial ports of this machine as the support report lists them: a line
// per port, its name and USB ids.
class SerialPortLines
{
public:
    static QStringList system();
    static QString line(const SerialPortCandidate &port);
};
