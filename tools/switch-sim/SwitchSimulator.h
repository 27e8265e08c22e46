#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

// Behaves as the switch on the master side of a pseudo-terminal whose slave
// is reachable through a symbolic link. Faults can be switched on for tests.
class SwitchSimulator : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString linkPath;
        QString serialNumber = QStringLiteral("KVN20240001");
        QString statePath; // stored copy for ":MEM:WRITE:ALL"; empty: none
        QString logPath;   // every received line; empty: none
        QString maker = QStringLiteral("KAVEN GmbH");
        QString model = QStringLiteral("FSW 2404");
        QString firmware = QStringLiteral("1.0.3");
        QString identification;             // the whole "*IDN?" reply; empty: built from the fields above
        QHash<QString, QByteArray> replies; // raw replies per command, '|' marks a pause
        // Faults, also switched during a run with control():
        bool silent = false;  // silence: no reply at all
        bool garbage = false; // random bytes, then the line end
        int trickleMs = 0;    // one byte of the reply every n ms, for ever, no line end; 0: off
        QByteArray unplugOn;  // the line closes when a line starting with this arrives
        bool noLf = false;
        int chunkBytes = 0; // 0: whole replies
        int chunkPauseMs = 40;
        int words = 24;
        int extraZeros = 0;
        int trailingCommas = 0;
        int delayMs = 0;
        int unplugAfter = 0; // 0: never
        int unplugDelayMs = 300;
        int muteFirst = 0;   // queries after the identification left unanswered
        QString lateCommand; // its first query is answered only after lateMs
        int lateMs = 0;
        // Faults a read-back after a send finds. They stand beside the reply
        // faults above (a new reply fault leaves them) and "normal" clears
        // them; a replug or reconnect keeps them.
        int keepWord = -1;          // a 24-word ":CONF:ALL " keeps the old word here (0..23); -1: none
        QStringList ignoredOptions; // "LTEFILT", "STBY", "TERRAMP": their set commands change nothing
        bool ignoreStore = false;   // ":MEM:WRITE:ALL" stores nothing
        // Once a ":CONF:ALL " was taken since power-on, ":CONF:ALL?" replies
        // carry the word here (0..23) changed, the working plan not: a static
        // word's polarisation bit, a dynamic word's line XOR 1. -1: none.
        int changeReply = -1;
    };

    static constexpr int planSize = 24;
    static constexpr int maxReconnectMs = 60000;
    // The options a set command switches, as named on the line.
    static const QStringList &optionNames();
    // A word's position on the configuration line, 0..23.
    static bool toPosition(const QString &text, int &position);

    explicit SwitchSimulator(Options options, QObject *parent = nullptr);
    ~SwitchSimulator() override;

    // Opens the pseudo-terminal and the link; false with a message on failure.
    bool start(QString &error);

    // A control message changes the fault during a run: "trickle <ms>",
    // "garbage", "silence", "unplug <line start>" (one of these at a time)
    // or "normal", which also clears the read-back faults "keep-word <n>",
    // "ignore-option <name>" (adds to those ignored), "ignore-store" and
    // "change-reply <n>". "replug" powers the switch off and on (the stored
    // plan becomes the working plan, the faults stay). "reconnect [ms]"
    // (default 1000) closes the port as an unplug does and opens a new one
    // behind the same link ms later, powered on afresh; it is done when
    // reconnected() comes. False with a message when it is not understood.
    bool control(const QString &message, QString &error);
    bool isReconnecting() const { return reconnecting; }

signals:
    void unplugged();
    // The port is back (error empty), or could not be opened again.
    void reconnected(const QString &error);

private:
    void readInput();
    void handleLine(const QByteArray &line);
    QByteArray answer(const QString &command);
    QString applySet(const QString &command);
    bool setReadBackFault(const QString &word, const QString &argument, QString &error);
    bool startReconnect(const QString &argument, QString &error);
    void finishReconnect();
    bool openPort(QString &error);
    void closePort();
    void powerOn();
    void queueReply(QByteArray reply);
    void sendNext();
    void writeAll(const QByteArray &bytes);
    void unplug();
    void trickle();
    void logLine(const QByteArray &line, const QString &note = QString());
    bool loadState();
    bool saveState();
    QByteArray configurationReply() const;

    Options options;
    int master = -1;
    int slave = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray input;
    QFile log;
    int commandCount = 0;
    int mutedQueries = 0;
    bool unplugPending = false;
    bool lateDone = false;
    QByteArray trickleBytes;
    int tricklePosition = 0;
    QTimer trickleTimer;
    bool configurationTaken = false; // since power-on
    bool reconnecting = false;
    QTimer reconnectTimer;

    // What the switch works with and answers queries from; ":MEM:WRITE:ALL"
    // copies it into the stored plan, power-on copies the stored plan back.
    struct Plan
    {
        bool lteFilter = false;
        bool standBy = false;
        bool terrestrial = true;
        QStringList codeWords; // 24 decimal texts, UB 0 first
    };
    Plan working;
    Plan stored;

    struct Piece
    {
        int delayMs;
        QByteArray bytes;
    };
    QList<Piece> output;
    QTimer outputTimer;
};
