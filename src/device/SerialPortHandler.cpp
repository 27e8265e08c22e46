#include "SerialPortHandler.h"

#include "CodeWord.h"
#include "db/SqlHandler.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>

#include <cstdlib>
#include <stdexcept>

QList<SerialPortCandidate> SerialPortHandler::systemPorts()
{
    QList<SerialPortCandidate> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        SerialPortCandidate candidate;
        candidate.portName = info.systemLocation().isEmpty() ? info.portName() : info.systemLocation();
        candidate.vendorId = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        candidate.productId = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        ports << candidate;
    }
    // Ports the system does not list (such as the simulator's pseudo-terminal
    // in development builds) are offered as the switch while they exist.
    const QStringList extra =
        QString::fromUtf8(FENZO_EXTRA_SERIAL_PORTS).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &path : extra) {
        if (QFileInfo::exists(path))
            ports << SerialPortCandidate{path, 0x0483, 0x5740};
    }
    return ports;
}

SerialPortHandler::SerialPortHandler(const SqlHandler *sqlHandler, PortLister portLister, RandomSource random)
    : sqlHandler(sqlHandler),
      readErrorMessage(tr("Error occured while reading data, please try again").toStdString()),
      writeErrorMessage(tr("Error occured while writing data, please try again").toStdString()),
      connectionLostMessage(tr("Lost connection to device. Please connect again").toStdString()),
      portLister(std::move(portLister)), random(std::move(random))
{
    connect(&searchTimer, &QTimer::timeout, this, &SerialPortHandler::searchForAvailableDevices);
    if (!this->random) {
        std::srand(unsigned(QDateTime::currentSecsSinceEpoch()));
        this->random = [] { return quint32(std::rand()); };
    }
}

SerialPortHandler::~SerialPortHandler()
{
    searchTimer.stop();
    if (port) {
        port->disconnect(this);
        port->close();
    }
    // The port objects are children and go with this object.
}

void SerialPortHandler::startDeviceSearch()
{
    searchTimer.start(3000);
}

void SerialPortHandler::searchForAvailableDevices()
{
    if (port && port->isOpen())
        return;
    if (port)
        closePort();
    QList<SerialPortCandidate> candidates;
    try {
        candidates = portLister();
    } catch (const std::exception &e) {
        qWarning() << "Listing serial ports failed:" << e.what();
        return;
    }
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (candidate.vendorId != vendorId || candidate.productId != productId)
            continue;
        if (openPort(candidate))
            return;
    }
}

bool SerialPortHandler::openPort(const SerialPortCandidate &candidate)
{
    port = new QSerialPort(candidate.portName, this);
    timeoutFlag = false;
    if (port->open(QIODevice::ReadWrite) && identifyDevice()) {
        connect(port, &QSerialPort::errorOccurred, this, &SerialPortHandler::handleError);
        searchTimer.stop();
        return true;
    }
    qDebug().noquote() << QStringLiteral("Not identified: ") + candidate.portName;
    closePort();
    emit deviceMissing();
    return false;
}

void SerialPortHandler::closePort()
{
    if (!port)
        return;
    QSerialPort *released = port;
    port = nullptr;
    // Further reports of this port (an unplugged port repeats its error) must
    // not reach us, and it may still be inside its own signal emission: it is
    // deleted once control is back in the event loop.
    released->disconnect(this);
    if (released->isOpen())
        released->close();
    released->deleteLater();
}

bool SerialPortHandler::identifyDevice()
{
    QString reply;
    try {
        // Whatever the device sent before we opened it answers nothing.
        port->clear(QSerialPort::Input);
        port->readAll();
        writeCommand(QStringLiteral("*IDN?"), 100);
        reply = readLine(true);
    } catch (const std::exception &) {
        return false;
    }
    // Maker, model, serial number, firmware level.
    const QStringList fields = reply.split(QLatin1Char(','));
    if (fields.size() < 3 || !fields.at(0).contains(QLatin1String("KAVEN GmbH")))
        return false;
    emit deviceFound(fields.at(2));
    return true;
}

void SerialPortHandler::handleError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    if (error == QSerialPort::TimeoutError) {
        timeoutFlag = true;
        return;
    }
    qDebug() << "Port error" << error;
    closePort();
    emit deviceMissing();
    searchTimer.start(3000);
}

void SerialPortHandler::writeCommand(const QString &command, unsigned long pauseMs)
{
    // A line that went while nothing was waiting on it has not been reported
    // yet: it is the lost connection, not a failed write.
    if (!port || lineLost())
        throw std::runtime_error(connectionLostMessage);
    qDebug().noquote() << QStringLiteral("Writing ") + command;
    const QByteArray bytes = command.toLocal8Bit();
    // write() can report a lost line at once, and the report releases the
    // port: hence the checks after each call.
    // cppcheck-suppress nullPointerRedundantCheck
    if (port->write(bytes) != bytes.size())
        throw std::runtime_error(writeErrorMessage);
    if (!port)
        throw std::runtime_error(writeErrorMessage);
    port->write(terminator);
    if (!port)
        throw std::runtime_error(writeErrorMessage);
    port->waitForBytesWritten(timeoutMs);
    // The error report may have released the port during the wait; bytes
    // still queued did not reach the device.
    if (!port)
        throw std::runtime_error(writeErrorMessage);
    if (port->bytesToWrite() > 0) {
        // The rest must not be glued to the front of the next command.
        port->clear(QSerialPort::Output);
        throw std::runtime_error(writeErrorMessage);
    }
    QThread::msleep(pauseMs);
}

bool SerialPortHandler::lineLost()
{
    if (!port)
        return true;
    // A wait of no time delivers a pending error report (handleError then
    // releases the port). Its time-out report says nothing about a reply.
    const bool timedOut = timeoutFlag;
    port->waitForReadyRead(0);
    timeoutFlag = timedOut;
    return !port;
}

void SerialPortHandler::confirmDelivery()
{
    if (lineLost())
        throw std::runtime_error(writeErrorMessage);
}

void SerialPortHandler::discardStaleInput()
{
    if (!port)
        return; // the next command reports the lost line
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        port->clear(QSerialPort::Input);
        port->readAll();
        const qint64 left = replyDeadlineMs - elapsed.elapsed();
        if (left <= 0 || !port->waitForReadyRead(int(qMin<qint64>(timeoutMs, left))) || !port)
            break;
    }
    // The quiet wait's own time-out says nothing about the next exchange.
    timeoutFlag = false;
}

QString SerialPortHandler::readReply()
{
    return readLine(false);
}

QString SerialPortHandler::readLine(bool identifying)
{
    timeoutFlag = false;
    QByteArray text;
    QByteArray chunk;
    // A device that keeps sending without ever ending its line must not keep
    // us here: the whole reply has one deadline besides each single wait.
    QElapsedTimer elapsed;
    elapsed.start();
    // Only the last chunk is tested: the device ends a reply with LF in one
    // piece with its final bytes.
    while (!chunk.endsWith(terminator)) {
        if (!port)
            throw std::runtime_error(connectionLostMessage);
        const qint64 left = replyDeadlineMs - elapsed.elapsed();
        const int wait = int(qBound(qint64(0), left, qint64(timeoutMs)));
        const bool ready = wait > 0 && port->waitForReadyRead(wait);
        // The error report may have released the port during the wait.
        if (!port)
            throw std::runtime_error(readErrorMessage);
        if (!ready && wait < timeoutMs) {
            // The deadline, not a silent device, ended the read: another
            // attempt would only trickle again.
            timeoutFlag = false;
            throw std::runtime_error(readErrorMessage);
        }
        if (timeoutFlag)
            throw std::runtime_error(readErrorMessage);
        // A wait that ends without data is a timeout or a lost line even when
        // no report said so; waiting again would spin.
        if (!ready && (identifying || port->bytesAvailable() == 0))
            throw std::runtime_error(readErrorMessage);
        chunk = port->readAll();
        text += chunk;
        if (text.size() > maxReplyBytes)
            throw std::runtime_error(readErrorMessage);
    }
    text.chop(1);
    if (text.isEmpty())
        throw std::runtime_error(readErrorMessage);
    if (text.endsWith(','))
        text.chop(1);
    const QString reply = QString::fromUtf8(text);
    qDebug().noquote() << QStringLiteral("Reading ") + reply;
    return reply;
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

QList<UBRecord> SerialPortHandler::readConfiguration(QString &lnb1, QString &lnb2)
{
    writeCommand(QStringLiteral(":CONF:ALL?"), 100);
    const QString reply = readReply();
    return CodeWord::decodeConfiguration(reply, lnb1, lnb2, sqlHandler);
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

void SerialPortHandler::writeConfiguration(const QList<UBRecord> &list, const QString &lnb1,
                                           const QString &lnb2)
{
    // Every word is encoded before anything is sent.
    const QString command = CodeWord::configurationCommand(list, lnb1, lnb2, sqlHandler, random);
    writeCommand(command, 100);
    // The plan and the store end their sequences: no later command would
    // notice that the device was lost while it took them.
    confirmDelivery();
}

void SerialPortHandler::storeInEeprom()
{
    writeCommand(QStringLiteral(":MEM:WRITE:ALL"), 100);
    confirmDelivery();
}
