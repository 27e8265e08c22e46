#include "SerialPortHandler.h"

#include "db/SqlHandler.h"

#include <stdexcept>

QList<SerialPortCandidate> SerialPortHandler::systemPorts()
{
    // Port discovery comes with the device work; until then nothing is found.
    return {};
}

SerialPortHandler::SerialPortHandler(const SqlHandler *sqlHandler, PortLister portLister, RandomSource random)
    : sqlHandler(sqlHandler),
      readErrorMessage(tr("Error occured while reading data, please try again").toStdString()),
      writeErrorMessage(tr("Error occured while writing data, please try again").toStdString()),
      connectionLostMessage(tr("Lost connection to device. Please connect again").toStdString()),
      portLister(std::move(portLister)), random(std::move(random))
{
    connect(&searchTimer, &QTimer::timeout, this, &SerialPortHandler::searchForAvailableDevices);
}

SerialPortHandler::~SerialPortHandler()
{
    searchTimer.stop();
    if (port) {
        port->close();
        delete port;
    }
}

void SerialPortHandler::startDeviceSearch()
{
    searchTimer.start(3000);
}

void SerialPortHandler::searchForAvailableDevices() {}

void SerialPortHandler::handleError(QSerialPort::SerialPortError) {}

void SerialPortHandler::writeCommand(const QString &, unsigned long)
{
    throw std::runtime_error(connectionLostMessage);
}

QString SerialPortHandler::readReply()
{
    throw std::runtime_error(connectionLostMessage);
}

bool SerialPortHandler::readLteFilter()
{
    writeCommand(QStringLiteral(":CONF:LTEFILT?"), 100);
    return readReply().contains(QLatin1String("ON"));
}

bool SerialPortHandler::readStandBy()
{
    writeCommand(QStringLiteral(":CONF:STBY?"), 100);
    return readReply().contains(QLatin1String("ON"));
}

bool SerialPortHandler::readTerrestrialPatchActive()
{
    writeCommand(QStringLiteral(":CONF:TERRAMP?"), 100);
    return readReply().contains(QLatin1String("ON"));
}

QList<UBRecord> SerialPortHandler::readConfiguration(QString &, QString &)
{
    throw std::runtime_error(connectionLostMessage);
}

void SerialPortHandler::writeLteFilter(bool on)
{
    writeCommand(on ? QStringLiteral(":CONF:LTEFILT ON") : QStringLiteral(":CONF:LTEFILT OFF"), 50);
}

void SerialPortHandler::writeStandBy(bool on)
{
    writeCommand(on ? QStringLiteral(":CONF:STBY ON") : QStringLiteral(":CONF:STBY OFF"), 50);
}

void SerialPortHandler::writeTerrestrialPatchActive(bool on)
{
    writeCommand(on ? QStringLiteral(":CONF:TERRAMP ON") : QStringLiteral(":CONF:TERRAMP OFF"), 50);
}

void SerialPortHandler::writeConfiguration(const QList<UBRecord> &, const QString &, const QString &)
{
    throw std::runtime_error(connectionLostMessage);
}

void SerialPortHandler::storeInEeprom()
{
    writeCommand(QStringLiteral(":MEM:WRITE:ALL"), 100);
}
