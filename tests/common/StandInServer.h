#pragma once

// tests/common/mysql-standin: a MySQL-protocol server on a free loopback
// port that answers as a hostile or broken one does (--mode silent|columns).

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

class StandInServer
{
public:
    explicit StandInServer(const QString &mode)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("python3"),
                      {QStringLiteral(FENZO_SOURCE_DIR "/tests/common/mysql-standin"),
                       QStringLiteral("--mode"), mode, QStringLiteral("--seconds"), QStringLiteral("240")});
        const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        const QRegularExpressionMatch match = listening.match(nextLine(20000));
        if (match.hasMatch())
            port = match.captured(1).toInt();
    }
    ~StandInServer()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    StandInServer(const StandInServer &) = delete;
    StandInServer &operator=(const StandInServer &) = delete;

    // Whether a client connected within `ms`.
    bool accepted(int ms) { return nextLine(ms).contains(QLatin1String("accepted")); }

    int port = 0;

private:
    QString nextLine(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (!process.canReadLine() && timer.elapsed() < ms && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(200);
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    QProcess process;
};
