#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One switch simulator process on its own pseudo-terminal, ended by its
// process id when the object goes.
class SimulatorProcess
{
public:
    // The log is written next to the link, as link + ".log".
    explicit SimulatorProcess(QString linkPath, QStringList arguments = QStringList(),
                              QString serialNumber = QStringLiteral("KVN20240001"));
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    // Starts it and waits (at most 5 s) until the link exists.
    bool start();
    void stop();
    // Sends a control message ("trickle 80", "silence", ...) and waits (at
    // most 3 s, a "reconnect MS" MS longer) for the simulator to take it.
    bool control(const QString &message);
    bool waitForExit(int ms);
    bool isRunning() const { return process.state() != QProcess::NotRunning; }

    QString link() const { return linkPath; }
    QString logPath() const { return linkPath + QStringLiteral(".log"); }
    QString errors() { return QString::fromLocal8Bit(process.readAllStandardError()); }
    // The received lines as logged, without time stamps and notes.
    QStringList loggedLines() const;
    // Of those, the lines that change something (no queries).
    QStringList writtenLines() const;
    static QString program();

private:
    QString linkPath;
    QStringList arguments;
    QString serialNumber;
    QProcess process;
};
