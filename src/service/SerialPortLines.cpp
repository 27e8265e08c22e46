#include "SerialPortLines.h"

#include <QDir>

QStringList SerialPortLines::system()
{
    QStringList lines;
    for (const SerialPortCandidate &port : SerialPortHandler::systemPorts())
        lines << line(port);
    return lines;
}

QString SerialPortLines::line(const SerialPortCandidate &port)
{
    return QStringLiteral("%1 (%2:%3)")
        .arg(QDir::toNativeSeparators(port.portName))
        .arg(port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(port.productId, 4, 16, QLatin1Char('0'));
}
