#include "SerialPortHandler.h"

#include "IdentifyOperation.h"
#include "io/LogCategories.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <memory>
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

SerialPortHandler::SerialPortHandler(PortLister portLister, PortOpener opener, QString deviceRulePath,
                                     int searchIntervalMs)
    : portLister(std::move(portLister)), opener(std::move(opener)), deviceRulePath(std::move(deviceRulePath)),
      searchIntervalMs(searchIntervalMs)
{
    connect(&searchTimer, &QTimer::timeout, this, &SerialPortHandler::searchForAvailableDevices);
    connect(&runner, &OperationRunner::finished, this, &SerialPortHandler::operationEnded);
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

void SerialPortHandler::lookNow()
{
    // A look under way reports its own end.
    if (identification)
        return;
    if (isConnected()) {
        endLook(true);
        return;
    }
    if (!beginLook())
        endLook(false);
}

void SerialPortHandler::searchForAvailableDevices()
{
    beginLook();
}

bool SerialPortHandler::beginLook()
{
    // A switch is connected, or a port is being identified: the search looks
    // again on its next tick. An operation still running on a line that went
    // is no reason to wait: the identification queues behind it.
    if (isConnected() || identification)
        return false;
    if (port)
        closePort();
    QList<SerialPortCandidate> candidates;
    try {
        candidates = portLister();
    } catch (const std::exception &e) {
        qCWarning(deviceLog) << "Listing serial ports failed:" << e.what();
        return false;
    }
    waiting.clear();
    QStringList present;
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch())
            continue;
        present << candidate.portName;
        waiting << candidate;
    }
    // A port that went takes its problem with it.
    forgetPortsOtherThan(present);
    tryNextCandidate();
    return true;
}

void SerialPortHandler::tryNextCandidate()
{
    while (!waiting.isEmpty()) {
        if (openPort(waiting.takeFirst()))
            return;
    }
    endLook(false);
}

void SerialPortHandler::endLook(bool connected)
{
    // The caller may begin waiting for the end only after its call returns.
    QMetaObject::invokeMethod(
        this, [this, connected] { emit lookEnded(connected); }, Qt::QueuedConnection);
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
    const OpenResult opened = opener(*port);
    if (opened.failure != OpenFailure::None)
        qCDebug(deviceLog).noquote() << QStringLiteral("Cannot open ") + candidate.portName +
                                            QStringLiteral(": ") + opened.reason;
    // Said once, beside the serial number, until the port works or goes.
    setPortProblem(candidate.portName, openFailureText(candidate.portName, opened));
    if (opened.failure != OpenFailure::None) {
        qCDebug(deviceLog).noquote() << QStringLiteral("Not identified: ") + candidate.portName;
        closePort();
        emit deviceMissing();
        return false;
    }
    // Whatever the switch sent before we opened it answers nothing.
    port->clear(QSerialPort::Input);
    port->readAll();
    // The error report is not connected yet: a port that fails while it is
    // identified ends the identification, and a wait that brings nothing ends
    // its read; either way the port goes.
    auto identify = std::make_unique<IdentifyOperation>();
    identification = identify.get();
    runner.runOn(port, std::move(identify));
    return true;
}

void SerialPortHandler::operationEnded(DeviceOperation *operation)
{
    if (operation == identification)
        identificationEnded(*static_cast<const IdentifyOperation *>(operation));
}

void SerialPortHandler::identificationEnded(const IdentifyOperation &ended)
{
    identification = nullptr;
    if (ended.kind() == DeviceOperation::Kind::Done && port)
        identity = ended.identity();
    if (!identity) {
        qCDebug(deviceLog).noquote() << QStringLiteral("Not identified: ") +
                                            (port ? port->portName() : QString());
        closePort();
        emit deviceMissing();
        tryNextCandidate();
        return;
    }
    waiting.clear();
    emit deviceFound(identity->serialField());
    connect(port, &QSerialPort::errorOccurred, this, &SerialPortHandler::handleError);
    ++connections;
    searchTimer.stop();
    // The switch is here: whatever other ports had is no longer the point.
    forgetPortsOtherThan({});
    endLook(true);
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

void SerialPortHandler::handleError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    if (error == QSerialPort::TimeoutError)
        return;
    qCDebug(deviceLog) << "Port error" << error;
    closePort();
    emit deviceMissing();
    searchTimer.start(searchIntervalMs);
}
