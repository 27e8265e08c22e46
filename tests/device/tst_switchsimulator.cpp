// The switch simulator's read-back faults and its reconnect, seen as raw
// lines over a real pseudo-terminal.

#include "SimulatorProcess.h"
#include "device/CodeWord.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QStringList queries{QStringLiteral(":CONF:ALL?"), QStringLiteral(":CONF:LTEFILT?"),
                          QStringLiteral(":CONF:STBY?"), QStringLiteral(":CONF:TERRAMP?")};

// One line out, its reply line back without the LF (empty when none came
// within a second).
QString exchange(QSerialPort &port, const QString &line)
{
    port.write(line.toLatin1() + '\n');
    port.waitForBytesWritten(100);
    QByteArray reply;
    const QDeadlineTimer deadline(1000);
    while (!reply.endsWith('\n') && !deadline.hasExpired() &&
           port.waitForReadyRead(int(deadline.remainingTime())))
        reply += port.readAll();
    return QString::fromLatin1(reply).trimmed();
}

// The plan as the queries answer it: words, LTEFILT, STBY, TERRAMP.
QStringList readBack(QSerialPort &port)
{
    QStringList replies;
    for (const QString &query : queries)
        replies << exchange(port, query);
    return replies;
}

// Unlike the power-on plan in every word and option: UB 0 static, the others
// dynamic on other lines.
const QStringList sentWords = [] {
    QStringList words{QString::number(0x82000000u | 1184u << 8 | 0x4u)};
    for (quint32 ub = 1; ub < 24; ++ub)
        words << CodeWord::makeDynamic(ub, 3 - ub % 4, ub + 5).toText();
    return words;
}();
const QStringList sentPlan{sentWords.join(QLatin1Char(',')), QStringLiteral("ON"), QStringLiteral("ON"),
                           QStringLiteral("OFF")};

// The sent words with one of them replaced.
QString sentWith(int word, const QString &text)
{
    QStringList words = sentWords;
    words[word] = text;
    return words.join(QLatin1Char(','));
}

void sendAndStore(QSerialPort &port)
{
    port.write(":CONF:ALL " + sentPlan.at(0).toLatin1() +
               "\n:CONF:LTEFILT ON\n:CONF:STBY ON\n:CONF:TERRAMP OFF\n:MEM:WRITE:ALL\n");
}

bool logNotes(const SimulatorProcess &sim, const QByteArray &note)
{
    QFile log(sim.logPath());
    return log.open(QIODevice::ReadOnly) && log.readAll().contains("\t# " + note);
}
} // namespace

class tst_SwitchSimulator : public QObject
{
    Q_OBJECT

private slots:
    void readBackFaults_data();
    void readBackFaults();
    void reconnectBringsTheStoredPlanBack();

private:
    QTemporaryDir dir;
    int runs = 0;
};

void tst_SwitchSimulator::readBackFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("atStart"); // as an option, else as a control message
    // UB 0 is static, UB 7 dynamic.
    for (const char *fault : {"keep-word 5", "keep-word 0", "ignore-option STBY", "ignore-option TERRAMP",
                              "ignore-store", "change-reply 0", "change-reply 7"}) {
        QTest::addRow("--%s", fault) << QString::fromLatin1(fault) << true;
        QTest::addRow("%s", fault) << QString::fromLatin1(fault) << false;
    }
}

void tst_SwitchSimulator::readBackFaults()
{
    QFETCH(QString, fault);
    QFETCH(bool, atStart);
    const QString name = fault.section(QLatin1Char(' '), 0, 0);
    const QString value = fault.section(QLatin1Char(' '), 1);
    const bool storeIgnored = name == QLatin1String("ignore-store");
    const bool replyChanged = name == QLatin1String("change-reply");
    const int word = name.contains(QLatin1String("-word")) || replyChanged ? value.toInt() : -1;
    const int option = queries.indexOf(QStringLiteral(":CONF:%1?").arg(value));
    const QString state = dir.filePath(QStringLiteral("%1.state").arg(++runs));
    QStringList arguments{QStringLiteral("--state"), state};
    if (atStart)
        arguments << (QStringLiteral("--") + fault).split(QLatin1Char(' '));
    SimulatorProcess sim(dir.filePath(QString::number(runs)), arguments);
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    QSerialPort port(sim.link());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    QVERIFY(atStart || sim.control(fault));
    const QStringList powerOn = readBack(port);

    sendAndStore(port);
    QStringList expected = sentPlan;
    // A static word with the other polarisation, a dynamic one on the next line.
    if (word >= 0)
        expected[0] = sentWith(
            word, replyChanged ? QString::number(sentWords.at(word).toUInt() ^ (word == 0 ? 0x2u : 0x100u))
                               : powerOn.at(0).split(QLatin1Char(',')).at(word));
    if (option >= 0)
        expected[option] = powerOn.at(option);
    const QStringList working = readBack(port);
    QCOMPARE(working, expected);
    QCOMPARE(logNotes(sim, "ignored"), option >= 0 || storeIgnored);

    // Power-on: the stored plan, as answered before any new plan was taken.
    QVERIFY(sim.control(QStringLiteral("replug")));
    const QStringList stored = readBack(port);
    QCOMPARE(stored, storeIgnored ? powerOn : replyChanged ? sentPlan : expected);
    QCOMPARE(QFileInfo::exists(state), !storeIgnored);
    // A sound switch answers what was sent, both times.
    QVERIFY(working + stored != sentPlan + sentPlan);

    // "normal" clears the fault.
    QVERIFY(sim.control(QStringLiteral("normal")));
    sendAndStore(port);
    QCOMPARE(readBack(port), sentPlan);
    QVERIFY(sim.control(QStringLiteral("replug")));
    QCOMPARE(readBack(port), sentPlan);
}

void tst_SwitchSimulator::reconnectBringsTheStoredPlanBack()
{
    const QStringList arguments{"--state", dir.filePath(QStringLiteral("reconnect.state")), "--change-reply",
                                "3"};
    SimulatorProcess sim(dir.filePath(QStringLiteral("reconnect")), arguments, QStringLiteral("SN-AGAIN"));
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    QSerialPort port(sim.link());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    const QString identity = exchange(port, QStringLiteral("*IDN?"));
    QVERIFY2(identity.contains(QLatin1String(",SN-AGAIN,")), qPrintable(identity));
    sendAndStore(port);
    port.write(":CONF:STBY OFF\n"); // working, not stored
    QCOMPARE(exchange(port, QStringLiteral(":CONF:STBY?")), QStringLiteral("OFF"));

    bool lost = false;
    connect(&port, &QSerialPort::errorOccurred, this, [&lost](QSerialPort::SerialPortError error) {
        lost = lost || error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
    });
    QVERIFY(sim.control(QStringLiteral("reconnect 300")));
    QVERIFY(sim.isRunning());
    QVERIFY(QFileInfo::exists(sim.link()));
    // The port held through it is lost, as after an unplug.
    for (int i = 0; i < 20 && !lost; ++i)
        port.waitForReadyRead(100);
    QVERIFY(lost);
    port.close();

    QSerialPort again(sim.link());
    QVERIFY2(again.open(QIODevice::ReadWrite), qPrintable(again.errorString()));
    QCOMPARE(exchange(again, QStringLiteral("*IDN?")), identity);
    // No plan taken since the power-on: the reply is the stored plan itself.
    QCOMPARE(readBack(again), sentPlan);
    // The fault stays: the next plan taken is answered with word 3 changed.
    again.write(":CONF:ALL " + sentPlan.at(0).toLatin1() + '\n');
    QCOMPARE(exchange(again, QStringLiteral(":CONF:ALL?")),
             sentWith(3, QString::number(sentWords.at(3).toUInt() ^ 0x100u)));
    QVERIFY(logNotes(sim, "reconnected"));
}

QTEST_GUILESS_MAIN(tst_SwitchSimulator)
#include "tst_switchsimulator.moc"
