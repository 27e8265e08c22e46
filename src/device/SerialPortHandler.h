#pragma once

#include "DeviceIdentity.h"
#include "DeviceReplies.h"
#include "ReplyForm.h"
#include "model/SatelliteCatalogue.h"
#include "model/UBRecord.h"

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

// The only owner of the connection to the switch: finds it among the serial
// ports, identifies it, watches the open port, and speaks its command set.
class SerialPortHandler : public QObject
{
    Q_OBJECT

public:
    using PortLister = std::function<QList<SerialPortCandidate>()>;
    using RandomSource = std::function<quint32()>;

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

    explicit SerialPortHandler(PortLister portLister = &systemPorts,
                               RandomSource random = RandomSource(), PortOpener opener = &openSystemPort,
                               QString deviceRulePath = defaultDeviceRulePath(),
                               int searchIntervalMs = defaultSearchIntervalMs);
    ~SerialPortHandler() override;

    void startDeviceSearch();
    // One look for the switch among the listed ports, at once and without the
    // search timer; true when a switch is connected afterwards.
    bool connectNow();
    bool isConnected() const { return port && port->isOpen(); }
    // The open line to the switch; null when none is.
    QSerialPort *line() const { return isConnected() ? port : nullptr; }
    // While held, an operation runs on the line: the device search leaves it
    // alone.
    void holdLine(bool held) { exchanges += held ? 1 : -1; }
    // The serial number of the connected switch as the window shows it.
    QString serialNumber() const { return identity ? identity->serialNumber() : QString(); }
    // Why the ports that may be the switch cannot be used, one line per
    // port; empty when there is nothing to say.
    QString portProblem() const;
    bool timeoutOccurred() const { return timeoutFlag; }
    // Counts the switches identified by this handler: a new number means a
    // switch plugged in (again) since the last.
    int connectionNumber() const { return connections; }

    bool readLteFilter();
    bool readStandBy();
    bool readTerrestrialPatchActive();
    // The plan's UBs read with the satellite data `data` (see
    // CodeWord::decodeConfiguration).
    QList<UBRecord> readConfiguration(QString &lnb1, QString &lnb2, const SatelliteCatalogue &data);
    // The four queries of a read, their replies kept as they came. A reply
    // owed to an earlier query, or one whose form cannot answer its query,
    // is passed over.
    // `asking`, when given, hears the number (1 to 4) of each query before
    // it goes out.
    DeviceReplies readReplies(const std::function<void(int)> &asking = {});
    void writeLteFilter(bool on);
    void writeStandBy(bool on);
    void writeTerrestrialPatchActive(bool on);
    // Encodes every word with the satellite data `data` before anything is sent.
    void writeConfiguration(const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                            const SatelliteCatalogue &data);
    void storeInEeprom();
    // The configuration line with these words as they are, UB 0 first.
    void writeWords(const QVector<CodeWord> &words);

    void writeCommand(const QString &command, unsigned long pauseMs);
    QString readReply();

    // Drops whatever the switch has sent and nobody asked for, such as the
    // late answer to a query that timed out: input is discarded until the
    // line has been quiet for one wait, within one reply deadline.
    void discardStaleInput();

    // Limits of the exchanges: each single wait on the port, and the whole of
    // one reply up to its line end.
    static constexpr int timeoutMs = 100;
    static constexpr int replyDeadlineMs = 500;
    // Between two looks for the switch while none is connected (tests take
    // a shorter one).
    static constexpr int defaultSearchIntervalMs = 3000;
    // The port's speed (its default, never changed), in bits a second.
    static constexpr int baudRate = 9600;

    // How long a command line of `lineBytes` bytes may take to leave: one
    // wait plus twice its time on the line at 9600 baud (ten bits a byte).
    static int writeDeadlineMs(qint64 lineBytes);
    // Waits until `line` has written everything it holds, bounded by
    // writeDeadlineMs(lineBytes), with the event loop running. False when the
    // deadline passes first or the line is closed (a lost port is closed by
    // its error report).
    static bool waitUntilWritten(QIODevice &line, qint64 lineBytes);

signals:
    void deviceFound(QString serialNumber);
    void deviceMissing();
    void errorOccured(QString error);
    void portProblemChanged(QString text);

private slots:
    void searchForAvailableDevices();
    void handleError(QSerialPort::SerialPortError error);

private:
    // Counts the exchanges under way (they wait in the event loop) while it
    // lives: the device search leaves the line alone meanwhile.
    class ExchangeScope
    {
    public:
        explicit ExchangeScope(int &count) : count(count) { ++count; }
        ~ExchangeScope() { --count; }
        ExchangeScope(const ExchangeScope &) = delete;
        ExchangeScope &operator=(const ExchangeScope &) = delete;

    private:
        int &count;
    };

    bool openPort(const SerialPortCandidate &candidate);
    QString openFailureText(const QString &portName, const OpenResult &result) const;
    // Keeps the problem of each port (an empty text removes it) and of those
    // still present only; tells the interface when the whole text changes.
    void setPortProblem(const QString &portName, const QString &text);
    void forgetPortsOtherThan(const QStringList &present);
    void closePort();
    bool identifyDevice();
    // One reply line. While identifying, any wait that brings no data ends
    // the read: the error report is not connected yet.
    // With `raw`, a trailing comma stays.
    QString readLine(bool identifying, bool raw = false);
    // Lets a lost line report itself without waiting; true when the port is
    // gone. Pending input stays buffered for the next read.
    bool lineLost();
    // One query of a read and its answer, kept raw; see readReplies().
    QString ask(const QString &query, ReplyForm::Query form);
    // Waits up to `ms` for input on the open port; false when none came or
    // the port went (or failed) meanwhile.
    bool awaitInput(int ms);
    static bool lineFailed(const QSerialPort &line);
    // After a command whose delivery matters: a line lost during its pause
    // fails it with the write message.
    void confirmDelivery();

    QSerialPort *port = nullptr; // child of this handler; released with deleteLater()
    QTimer searchTimer;
    std::string readErrorMessage;
    std::string writeErrorMessage;
    std::string connectionLostMessage;
    const QByteArray terminator = QByteArray(1, '\n');
    // A reply longer than this is garbage (24 words take under 300 bytes); it
    // ends the read instead of growing without bound.
    const int maxReplyBytes = 16384;
    bool timeoutFlag = false;
    int connections = 0;
    int exchanges = 0;
    // A command went out since the last read began.
    bool commandSent = false;
    // Queries whose replies timed out and have not come since.
    int unanswered = 0;
    // Lines a query passes over before its read fails.
    static constexpr int maxDroppedReplies = 4;
    std::optional<DeviceIdentity> identity;
    PortLister portLister;
    RandomSource random;
    PortOpener opener;
    QString deviceRulePath;
    int searchIntervalMs;
    QMap<QString, QString> portProblems;
};
