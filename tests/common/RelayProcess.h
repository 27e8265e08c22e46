#pragma once

// tools/delay-relay between a test (or a benchmark) and a server, by default
// the test's own, on a free loopback port that the relay picks: no delay
// unless asked for (--delay-ms), and any of its line faults (--fault).

#include "TestDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

class Relay
{
public:
    // Later options win over the defaults given here.
    explicit Relay(const QStringList &options = QStringList(), int target = TestDatabase::port())
    {
        QStringList arguments{QStringLiteral(FENZO_SOURCE_DIR "/tools/delay-relay/delay-relay"),
                              QStringLiteral("--target"),
                              QString::number(target),
                              QStringLiteral("--delay-ms"),
                              QStringLiteral("0"),
                              QStringLiteral("--seconds"),
                              QStringLiteral("240")};
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("python3"), arguments + options);
        const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        const QRegularExpressionMatch match = listening.match(nextLine());
        if (match.hasMatch())
            port = match.captured(1).toInt();
    }
    ~Relay()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    Relay(const Relay &) = delete;
    Relay &operator=(const Relay &) = delete;

    // For one handler. The test server offers no TLS, so its download
    // opens two connections through the relay: one asking for TLS, which
    // ends after the server's greeting, then the plain one.
    SqlHandler::Connection connection(const QString &database = QStringLiteral("satellites"))
    {
        connections += 2;
        SqlHandler::Connection result = TestDatabase::fixtureConnection(database);
        result.hostName = QStringLiteral("127.0.0.1");
        result.port = port;
        return result;
    }

    // The round trips of the last connection handed out, -1 when it does not
    // end in time. Call it after the handler using it is gone.
    int roundTripsOfLastConnection() { return figureOfLastConnection(1); }
    // The bytes the server sent on the last connection, -1 as above.
    int serverBytesOfLastConnection() { return figureOfLastConnection(2); }

    int port = 0;

private:
    int figureOfLastConnection(int which)
    {
        const QRegularExpression closed(
            QStringLiteral("connection %1: (\\d+) round trips, (\\d+) bytes").arg(connections));
        for (QString line = nextLine(); !line.isEmpty(); line = nextLine()) {
            const QRegularExpressionMatch match = closed.match(line);
            if (match.hasMatch())
                return match.captured(which).toInt();
        }
        return -1;
    }

    QString nextLine()
    {
        QElapsedTimer timer;
        timer.start();
        // Python starts slowly on a busy machine.
        while (!process.canReadLine() && timer.elapsed() < 20000 && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(500);
        return QString::fromUtf8(process.readLine()).trimmed();
    }

    int connections = 0;
    QProcess process;
};
