#include "SimulatorProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <sys/types.h>

SimulatorProcess::SimulatorProcess(QString linkPath, QStringList arguments, QString serialNumber)
    : linkPath(std::move(linkPath)), arguments(std::move(arguments)), serialNumber(std::move(serialNumber))
{
}

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

QString SimulatorProcess::program()
{
    return QStringLiteral(FENZO_SWITCH_SIM);
}

bool SimulatorProcess::start()
{
    QStringList all{QStringLiteral("--link"), linkPath,  QStringLiteral("--serial"),          serialNumber,
                    QStringLiteral("--log"),  logPath(), QStringLiteral("--exit-with-parent")};
    all << arguments;
    process.start(program(), all);
    if (!process.waitForStarted(5000))
        return false;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (process.canReadLine())
            return QString::fromLocal8Bit(process.readLine()).trimmed() == linkPath &&
                   QFileInfo::exists(linkPath);
        if (!process.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return false;
}

bool SimulatorProcess::control(const QString &message)
{
    process.write(message.toUtf8() + '\n');
    // A reconnect answers once its port is back, its pause (default 1 s) later.
    int boundMs = 3000;
    if (message.section(QLatin1Char(' '), 0, 0) == QLatin1String("reconnect")) {
        const QString pause = message.section(QLatin1Char(' '), 1);
        boundMs += pause.isEmpty() ? 1000 : qBound(0, pause.toInt(), 60000);
    }
    const QDeadlineTimer deadline(boundMs);
    while (!process.canReadLine()) {
        if (deadline.hasExpired() || !process.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed() == QLatin1String("ok");
}

void SimulatorProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    // By its own id: the simulator removes its link on SIGTERM.
    ::kill(pid_t(process.processId()), SIGTERM);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

bool SimulatorProcess::waitForExit(int ms)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(ms);
}

QStringList SimulatorProcess::loggedLines() const
{
    QStringList lines;
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() >= 2 && !parts.at(1).isEmpty())
            lines << parts.at(1);
    }
    return lines;
}

QStringList SimulatorProcess::writtenLines() const
{
    QStringList lines;
    for (const QString &line : loggedLines()) {
        if (!line.endsWith(QLatin1Char('?')))
            lines << line;
    }
    return lines;
}
