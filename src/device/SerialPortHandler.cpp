#include "SerialPortHandler.h"

#include "CodeWord.h"
#include "LineWait.h"
#include "io/LogCategories.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSerialPortInfo>

#include <cstdlib>
#include <limits>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <stdexcept>
#include <utility>

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
            ports << SerialPortCandidate::ofSwitch(path);
    }
    return ports;
}

SerialPortHandler::OpenResult SerialPortHandler::openSystemPort(QSerialPort &port)
{
    OpenResult result;
    if (port.open(QIODevice::ReadWrite))
        return result;
    switch (port.error()) {
    case QSerialPort::PermissionError: {
        // The serial library says "permission" for a port that another
        // program holds (its lock or exclusive mode) as well: a port we may
        // read and write is in use, not forbidden.
#ifdef Q_OS_UNIX
        const QByteArray path = QFile::encodeName(port.portName().startsWith(QLatin1Char('/'))
                                                      ? port.portName()
                                                      : QStringLiteral("/dev/") + port.portName());
        result.failure =
            ::access(path.constData(), R_OK | W_OK) == 0 ? OpenFailure::InUse : OpenFailure::NoPermission;
#else
        result.failure = OpenFailure::InUse; // access denied: another program has it
#endif
        break;
    }
    case QSerialPort::ResourceError:
        result.failure = OpenFailure::InUse;
        break;
    default:
        result.failure = OpenFailure::Other;
        break;
    }
    result.reason = port.errorString();
    return result;
}

QString SerialPortHandler::defaultDeviceRulePath()
{
    // Where this build's install puts it (the install prefix it was configured with).
    return QStringLiteral(FENZO_DEVICE_RULE_PATH);
}

SerialPortHandler::SerialPortHandler(PortLister portLister, RandomSource random, PortOpener opener,
                                     QString deviceRulePath, int searchIntervalMs)
    : readErrorMessage(tr("Error occured while reading data, please try again").toStdString()),
      writeErrorMessage(tr("Error occured while writing data, please try again").toStdString()),
      connectionLostMessage(tr("Lost connection to device. Please connect again").toStdString()),
      portLister(std::move(portLister)), random(std::move(random)), opener(std::move(opener)),
      deviceRulePath(std::move(deviceRulePath)), searchIntervalMs(searchIntervalMs)
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
    searchTimer.start(searchIntervalMs);
}

bool SerialPortHandler::connectNow()
{
    searchForAvailableDevices();
    return isConnected();
}

void SerialPortHandler::searchForAvailableDevices()
{
    // The line is busy with an exchange (it waits in the event loop): the
    // search looks again on its next tick.
    if ((port && port->isOpen()) || exchanges > 0)
        return;
    if (port)
        closePort();
    QList<SerialPortCandidate> candidates;
    try {
        candidates = portLister();
    } catch (const std::exception &e) {
        qCWarning(deviceLog) << "Listing serial ports failed:" << e.what();
        return;
    }
    QStringList present;
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (candidate.isSwitch())
            present << candidate.portName;
    }
    // A port that went takes its problem with it.
    forgetPortsOtherThan(present);
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch())
            continue;
        if (openPort(candidate))
            return;
    }
}

QString SerialPortHandler::portProblem() const
{
    return QStringList(portProblems.values()).join(QLatin1Char('\n'));
}

void SerialPortHandler::setPortProblem(const QString &portName, const QString &text)
{
    const QString before = portProblem();
    if (text.isEmpty())
        portProblems.remove(portName);
    else
        portProblems.insert(portName, text);
    const QString after = portProblem();
    if (after != before)
        emit portProblemChanged(after);
}

void SerialPortHandler::forgetPortsOtherThan(const QStringList &present)
{
    const QStringList known = portProblems.keys();
    for (const QString &name : known) {
        if (!present.contains(name))
            setPortProblem(name, QString());
    }
}

QString SerialPortHandler::openFailureText(const QString &portName, const OpenResult &result) const
{
    switch (result.failure) {
    case OpenFailure::None:
        return QString();
    case OpenFailure::NoPermission:
        // The package's device rule lets every local user open the switch;
        // without it, only the members of the group dialout may.
        if (!QFileInfo::exists(deviceRulePath))
            return tr("The switch at %1 may not be opened. Reinstall the program so that its device rule %2 "
                      "is in place, or add your user to the group dialout and log in again.")
                .arg(portName, deviceRulePath);
        return tr("The switch at %1 may not be opened: unplug it and plug it in again, or add your user to "
                  "the group dialout and log in again.")
            .arg(portName);
    case OpenFailure::InUse:
        return tr("The switch at %1 is in use by another program. Close that program to use the switch here.")
            .arg(portName);
    case OpenFailure::Other:
        break;
    }
    return tr("The switch at %1 could not be opened (%2).").arg(portName, result.reason);
}

bool SerialPortHandler::openPort(const SerialPortCandidate &candidate)
{
    port = new QSerialPort(candidate.portName, this);
    timeoutFlag = false;
    unanswered = 0;
    const OpenResult opened = opener(*port);
    if (opened.failure != OpenFailure::None)
        qCDebug(deviceLog).noquote() << QStringLiteral("Cannot open ") + candidate.portName +
                                            QStringLiteral(": ") + opened.reason;
    // Said once, beside the serial number, until the port works or goes.
    setPortProblem(candidate.portName, openFailureText(candidate.portName, opened));
    if (opened.failure == OpenFailure::None && identifyDevice()) {
        connect(port, &QSerialPort::errorOccurred, this, &SerialPortHandler::handleError);
        ++connections;
        searchTimer.stop();
        // The switch is here: whatever other ports had is no longer the point.
        forgetPortsOtherThan({});
        return true;
    }
    qCDebug(deviceLog).noquote() << QStringLiteral("Not identified: ") + candidate.portName;
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
    identity.reset();
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
    identity = DeviceIdentity::fromReply(reply);
    if (!identity)
        return false;
    emit deviceFound(identity->serialField());
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
    qCDebug(deviceLog) << "Port error" << error;
    closePort();
    emit deviceMissing();
    searchTimer.start(searchIntervalMs);
}

void SerialPortHandler::writeCommand(const QString &command, unsigned long pauseMs)
{
    // A line that went while nothing was waiting on it has not been reported
    // yet: it is the lost connection, not a failed write.
    if (!port || lineLost())
        throw std::runtime_error(connectionLostMessage);
    const ExchangeScope exchange(exchanges);
    qCDebug(transferLog).noquote() << QStringLiteral("Writing ") + command;
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
    // A slow line is no failure: the configuration line takes about 290 ms
    // at 9600 baud, and some systems count a chunk still being sent as not
    // yet written. The wait's time-out reports say nothing about a reply.
    const bool written = waitUntilWritten(*port, bytes.size() + terminator.size());
    // The error report may have released the port during the wait; bytes
    // still queued did not reach the device.
    if (!port)
        throw std::runtime_error(writeErrorMessage);
    if (!written) {
        // The rest must not be glued to the front of the next command.
        port->clear(QSerialPort::Output);
        throw std::runtime_error(writeErrorMessage);
    }
    // A line lost from here on is lost while the switch answers.
    commandSent = true;
    LineWait::pause(int(pauseMs));
}

int SerialPortHandler::writeDeadlineMs(qint64 lineBytes)
{
    const qint64 lineMs = (lineBytes * 10 * 1000 + baudRate - 1) / baudRate;
    return int(qMin<qint64>(timeoutMs + 2 * lineMs, std::numeric_limits<int>::max()));
}

bool SerialPortHandler::waitUntilWritten(QIODevice &line, qint64 lineBytes)
{
    const QPointer<QIODevice> watched(&line);
    const auto settled = [watched] { return !watched || !watched->isOpen() || watched->bytesToWrite() == 0; };
    LineWait::until(watched, writeDeadlineMs(lineBytes), settled);
    return watched && watched->isOpen() && watched->bytesToWrite() == 0;
}

bool SerialPortHandler::lineFailed(const QSerialPort &line)
{
    return line.error() != QSerialPort::NoError && line.error() != QSerialPort::TimeoutError;
}

bool SerialPortHandler::lineLost()
{
    if (!port)
        return true;
    // Reports already due arrive (handleError then releases the port).
    LineWait::settle();
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
    const ExchangeScope exchange(exchanges);
    QElapsedTimer elapsed;
    elapsed.start();
    bool quiet = false;
    for (;;) {
        port->clear(QSerialPort::Input);
        const QByteArray stale = port->readAll();
        unanswered = qMax(0, unanswered - int(stale.count('\n')));
        const qint64 left = replyDeadlineMs - elapsed.elapsed();
        if (left <= 0)
            break;
        const int wait = int(qMin<qint64>(timeoutMs, left));
        if (!awaitInput(wait)) {
            quiet = wait >= timeoutMs;
            break;
        }
        if (!port)
            break;
    }
    // A quiet line owes no answers: the replies of earlier queries came (and
    // went with the input) or will not come. Otherwise the count stands.
    if (quiet)
        unanswered = 0;
    // The quiet wait's own time-out says nothing about the next exchange.
    timeoutFlag = false;
}

bool SerialPortHandler::awaitInput(int ms)
{
    QSerialPort *const line = port;
    // The error report of a lost line releases the port: that ends the wait.
    // A line lost while identifying has no report connected yet: its error
    // ends the wait as well.
    LineWait::until(line, ms, [this, line] {
        return port != line || port->bytesAvailable() > 0 || lineFailed(*port);
    });
    return port == line && port && port->bytesAvailable() > 0;
}

QString SerialPortHandler::readReply()
{
    return readLine(false);
}

QString SerialPortHandler::readLine(bool identifying, bool raw)
{
    timeoutFlag = false;
    // A line lost during the command's pause failed its reply.
    const bool replyDue = std::exchange(commandSent, false);
    if (!port)
        throw std::runtime_error(replyDue ? readErrorMessage : connectionLostMessage);
    const ExchangeScope exchange(exchanges);
    QByteArray text;
    QByteArray chunk;
    // A device that keeps sending without ever ending its line must not keep
    // us here: the whole reply has one deadline besides each single wait.
    QElapsedTimer elapsed;
    elapsed.start();
    // What came in during the command's pause is the reply's first chunk.
    bool buffered = port && port->bytesAvailable() > 0;
    // Only the last chunk is tested: the device ends a reply with LF in one
    // piece with its final bytes.
    while (!chunk.endsWith(terminator)) {
        if (!port)
            throw std::runtime_error(connectionLostMessage);
        const qint64 left = replyDeadlineMs - elapsed.elapsed();
        const int wait = int(qBound(qint64(0), left, qint64(timeoutMs)));
        const bool ready = buffered || (wait > 0 && awaitInput(wait));
        buffered = false;
        // The error report may have released the port during the wait.
        if (!port)
            throw std::runtime_error(readErrorMessage);
        if (!ready) {
            // A whole wait without data is a time-out, worth another
            // attempt; the deadline ending a trickle is not: another
            // attempt would only trickle again.
            timeoutFlag = !identifying && wait >= timeoutMs;
            throw std::runtime_error(readErrorMessage);
        }
        chunk = port->readAll();
        text += chunk;
        if (text.size() > maxReplyBytes)
            throw std::runtime_error(readErrorMessage);
    }
    text.chop(1);
    if (text.isEmpty())
        throw std::runtime_error(readErrorMessage);
    if (text.endsWith(',') && !raw)
        text.chop(1);
    const QString reply = QString::fromUtf8(text);
    qCDebug(transferLog).noquote() << QStringLiteral("Reading ") + reply;
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

QList<UBRecord> SerialPortHandler::readConfiguration(QString &lnb1, QString &lnb2, const SatelliteCatalogue &data)
{
    writeCommand(QStringLiteral(":CONF:ALL?"), 100);
    const QString reply = readReply();
    return CodeWord::decodeConfiguration(reply, lnb1, lnb2, data);
}

DeviceReplies SerialPortHandler::readReplies(const std::function<void(int)> &asking)
{
    const auto tell = [&asking](int query) {
        if (asking)
            asking(query);
    };
    DeviceReplies replies;
    tell(1);
    replies.lteFilter = ask(QStringLiteral(":CONF:LTEFILT?"), ReplyForm::Query::Option);
    tell(2);
    replies.standBy = ask(QStringLiteral(":CONF:STBY?"), ReplyForm::Query::Option);
    tell(3);
    replies.terrestrialPath = ask(QStringLiteral(":CONF:TERRAMP?"), ReplyForm::Query::Option);
    tell(4);
    replies.configuration = ask(QStringLiteral(":CONF:ALL?"), ReplyForm::Query::Configuration);
    return replies;
}

QString SerialPortHandler::ask(const QString &query, ReplyForm::Query form)
{
    writeCommand(query, 100);
    // The switch answers in order: lines owed to earlier queries that timed
    // out come first, and go; so does a line whose form cannot answer this
    // query. A few at most: a switch that sends nothing fitting ends the read.
    for (int dropped = 0;; ++dropped) {
        QString reply;
        try {
            reply = readLine(false, true);
        } catch (const std::exception &) {
            if (timeoutFlag)
                ++unanswered;
            throw;
        }
        // Lines that came in together: all but the last answer earlier
        // queries (the switch ends every reply with its line end).
        const qsizetype lastLine = reply.lastIndexOf(QLatin1Char('\n'));
        if (lastLine >= 0) {
            unanswered = qMax(0, unanswered - int(reply.left(lastLine + 1).count(QLatin1Char('\n'))));
            reply = reply.mid(lastLine + 1);
        }
        if (unanswered == 0 && ReplyForm::answers(form, reply))
            return reply;
        unanswered = qMax(0, unanswered - 1);
        qCDebug(transferLog).noquote() << QStringLiteral("Dropped as no answer to ") + query;
        if (dropped + 1 >= maxDroppedReplies)
            throw std::runtime_error(readErrorMessage);
    }
}

void SerialPortHandler::writeWords(const QVector<CodeWord> &words)
{
    QStringList texts;
    for (const CodeWord word : words)
        texts << word.toText();
    writeCommand(QStringLiteral(":CONF:ALL ") + texts.join(QLatin1Char(',')), 100);
    confirmDelivery();
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
                                           const QString &lnb2, const SatelliteCatalogue &data)
{
    // Every word is encoded before anything is sent.
    const QString command = CodeWord::configurationCommand(list, lnb1, lnb2, data, random);
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
