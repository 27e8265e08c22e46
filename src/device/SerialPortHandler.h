#pragma once

#include "DeviceIdentity.h"
#include "OperationRunner.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

// A serial port that may be the switch: its name and its USB ids (0 when the
// port has none).
struct SerialPortCandidate
{
    // The switch's USB vendor and product id.
    static constexpr quint16 switchVendorId = 0x0483;
    static constexpr quint16 switchProductId = 0x5740;

    QString portName;
    quint16 vendorId = 0;
    quint16 productId = 0;

    // A port offered as the switch's, whatever the system says of it.
    static SerialPortCandidate ofSwitch(const QString &portName)
    {
        return {portName, switchVendorId, switchProductId};
    }
    // Whether the port's USB ids are the switch's.
    bool isSwitch() const { return vendorId == switchVendorId && productId == switchProductId; }
};

class IdentifyOperation;

// The only owner of the connection to the switch: finds it among the serial
// ports, identifies it, and watches the open port. Everything said on the
// line, the identification included, is an operation on its runner, one at
// a time.
class SerialPortHandler : public QObject
{
    Q_OBJECT

public:
    using PortLister = std::function<QList<SerialPortCandidate>()>;

    // Why a port could not be opened, as far as the user can act on it.
    enum class OpenFailure
    {
        None,
        NoPermission,
        InUse,
        Other
    };
    struct OpenResult
    {
        OpenFailure failure = OpenFailure::None;
        QString reason; // the system's words, for Other
    };
    // Opens the port read and write, or says why not.
    using PortOpener = std::function<OpenResult(QSerialPort &)>;

    // The system's serial ports plus the compiled-in extra ports.
    static QList<SerialPortCandidate> systemPorts();
    static OpenResult openSystemPort(QSerialPort &port);
    // The device rule the package installs so that users may open the switch.
    static QString defaultDeviceRulePath();

    explicit SerialPortHandler(PortLister portLister = &systemPorts, PortOpener opener = &openSystemPort,
                               QString deviceRulePath = defaultDeviceRulePath(),
                               int searchIntervalMs = defaultSearchIntervalMs);
    ~SerialPortHandler() override;

    void startDeviceSearch();
    // One look for the switch among the listed ports, at once and without the
    // search timer; lookEnded() tells whether a switch is connected then. A
    // look already under way answers with its own end.
    void lookNow();
    // A port is open and its identification has not ended yet (it may wait
    // for an operation still running on the runner).
    bool identifying() const { return identification != nullptr; }
    // An identified switch's port is open (not merely one being identified).
    bool isConnected() const { return port && port->isOpen() && identity && !identification; }
    // The open line to the switch; null when none is.
    QSerialPort *line() const { return isConnected() ? port : nullptr; }
    // Runs the operations on the switch, the identification among them.
    OperationRunner &operations() { return runner; }
    // The serial number of the connected switch as the window shows it.
    QString serialNumber() const { return identity ? identity->serialNumber() : QString(); }
    // Why the ports that may be the switch cannot be used, one line per
    // port; empty when there is nothing to say.
    QString portProblem() const;
    // Counts the switches identified by this handler: a new number means a
    // switch plugged in (again) since the last.
    int connectionNumber() const { return connections; }

    // Between two looks for the switch while none is connected (tests take
    // a shorter one).
    static constexpr int defaultSearchIntervalMs = 3000;

signals:
    void deviceFound(QString serialNumber);
    void deviceMissing();
    void errorOccured(QString error);
    void portProblemChanged(QString text);
    // Every look for the switch ends so, whether the timer or lookNow()
    // began it; never from inside the call that began it.
    void lookEnded(bool connected);

private slots:
    void searchForAvailableDevices();
    void handleError(QSerialPort::SerialPortError error);

private:
    // Begins a look among the listed ports; false when there was none to
    // begin (the line is busy, or the ports cannot be listed).
    bool beginLook();
    // Opens the next waiting candidate that opens and begins its
    // identification; ends the look when none is left.
    void tryNextCandidate();
    bool openPort(const SerialPortCandidate &candidate);
    void operationEnded(DeviceOperation *operation);
    void identificationEnded(const IdentifyOperation &ended);
    void endLook(bool connected);
    QString openFailureText(const QString &portName, const OpenResult &result) const;
    // Keeps the problem of each port (an empty text removes it) and of those
    // still present only; tells the interface when the whole text changes.
    void setPortProblem(const QString &portName, const QString &text);
    void forgetPortsOtherThan(const QStringList &present);
    void closePort();

    QSerialPort *port = nullptr; // child of this handler; released with deleteLater()
    QTimer searchTimer;
    int connections = 0;
    std::optional<DeviceIdentity> identity;
    // The switch ports of the current look not tried yet.
    QList<SerialPortCandidate> waiting;
    // The identification queued or running; the runner owns it.
    const IdentifyOperation *identification = nullptr;
    PortLister portLister;
    PortOpener opener;
    QString deviceRulePath;
    int searchIntervalMs;
    QMap<QString, QString> portProblems;
    // Declared last, so it goes first: no operation outlives the rest.
    OperationRunner runner{*this};
};
