// The command set over a real pseudo-terminal: exact lines, reply handling,
// configuration words. Each fault has its own simulator; all connect in the
// same first search.

#include "DynamicPlan.h"
#include "ExchangeChecks.h"
#include "LineProbe.h"
#include "SimulatorProcess.h"
#include "device/CodeWord.h"
#include "device/SerialPortHandler.h"

#include <QElapsedTimer>
#include <QMetaEnum>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>
#include <stdexcept>

namespace {
constexpr quint16 switchVendor = SerialPortCandidate::switchVendorId;
constexpr quint16 switchProduct = SerialPortCandidate::switchProductId;
// The handlers here look for the switch more often than the program does.
constexpr int searchTickMs = 300;
using Outcome = LineExchange::Outcome;
const auto configuration = ReplyForm::Query::Configuration;
// Any line answers it: for replies of no particular form.
const auto anyLine = ReplyForm::Query::Identification;

struct Device
{
    std::unique_ptr<SimulatorProcess> sim;
    std::unique_ptr<SerialPortHandler> handler;
    std::unique_ptr<QSignalSpy> found;
    std::unique_ptr<QSignalSpy> missing;
    std::unique_ptr<LineProbe> probe;
};
} // namespace

class tst_DeviceProtocol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void switchQueries_data();
    void switchQueries();
    void switchesKeepWhatWasSet();
    void exactCommandLines();
    void dynamicWordsDifferButReadBackAlike();
    void replyLines_data();
    void replyLines();
    void bytesAfterTheLfBeginTheNextReply();
    void configurationReplies_data();
    void configurationReplies();
    void outOfRangeRefusedBeforeSending_data();
    void outOfRangeRefusedBeforeSending();
    void noPortMeansConnectionLost();
    void faultsSwitchedDuringARun_data();
    void faultsSwitchedDuringARun();
    void simulatorKeepsStoredConfiguration();
    void staticPlanThroughTheDevice();

private:
    SerialPortHandler &handler(const QString &name) { return *devices.at(name).handler; }
    SimulatorProcess &sim(const QString &name) { return *devices.at(name).sim; }
    LineProbe &probe(const QString &name) { return *devices.at(name).probe; }
    // The plan's configuration line, every word encoded before it goes;
    // throws what the encoding refuses.
    Outcome sendPlan(LineProbe &line, const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2);
    // The plan the switch holds; throws when its reply is none.
    QList<UBRecord> readPlan(LineProbe &line, QString &lnb1, QString &lnb2);
    static QString option(const QString &name, bool on)
    {
        return QStringLiteral(":CONF:%1 %2").arg(name, on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    }

    QTemporaryDir dir;
    SharedCatalogue database;
    std::map<QString, Device> devices;
    // A fixed generator for the dynamic words: 0, 1, 2, ...
    quint32 nextRandom = 0;
};

void tst_DeviceProtocol::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFileInfo::exists(SimulatorProcess::program()), qPrintable(SimulatorProcess::program()));
    // Satellite data for static words.
    database = std::make_shared<const SatelliteCatalogue>(
        SatelliteCatalogue::Transponders{
            {QStringLiteral("Astra 19.2E"),
             {{1, 11836, Polarisation::H, 10600, 1}, {2, 10744, Polarisation::V, 9750, 1}}},
            {QStringLiteral("Hotbird 13E"), {{7, 11034, Polarisation::V, 9750, 2}}}},
        QVector<SateliteParams>{{QStringLiteral("Astra 19.2E"), 1, 9750, 10600},
                                {QStringLiteral("Hotbird 13E"), 2, 9750, 10600}});
    const auto reply = [](const char *command, const char *bytes) {
        return QStringList{QStringLiteral("--reply"),
                           QString::fromLatin1(command) + QLatin1Char('=') + QString::fromLatin1(bytes)};
    };
    QStringList scripted{QStringLiteral("--chunk-pause"), QStringLiteral("80")};
    // A '|' is a pause of 80 ms; two or three make one longer than a read's
    // wait.
    scripted << reply(":CONF:LTEFILT?", "Monday\\n") << reply(":CONF:STBY?", "BUTTON\\n")
             << reply(":CONF:TERRAMP?", "OFF\\n") << reply(":X:INNER?", "AB\\nC||D\\n")
             << reply(":X:SPLIT?", "AB\\n|||CD\\n") << reply(":X:CRLF?", "12\\r\\n")
             << reply(":X:EMPTY?", "\\n") << reply(":X:SILENT?", "") << reply(":X:NOLF?", "ON")
             << reply(":X:UTF8?", "\\xc3\\xa4\\xe2\\x82\\xac\\n");
    const std::vector<std::pair<QString, QStringList>> setups{
        {QStringLiteral("plain"), {QStringLiteral("--state"), dir.filePath(QStringLiteral("plain.state"))}},
        {QStringLiteral("scripted"), scripted},
        // Ten pieces: the whole reply well inside its deadline.
        {QStringLiteral("chunked"),
         {QStringLiteral("--chunk"), QStringLiteral("25"), QStringLiteral("--chunk-pause"),
          QStringLiteral("40")}},
        {QStringLiteral("slow-chunks"),
         {QStringLiteral("--chunk"), QStringLiteral("100"), QStringLiteral("--chunk-pause"),
          QStringLiteral("250")}},
        {QStringLiteral("delayed"), {QStringLiteral("--delay"), QStringLiteral("140")}},
        {QStringLiteral("one-comma"), {QStringLiteral("--trailing-commas"), QStringLiteral("1")}},
        {QStringLiteral("two-commas"), {QStringLiteral("--trailing-commas"), QStringLiteral("2")}},
        {QStringLiteral("extra-zeros"), {QStringLiteral("--extra-zeros"), QStringLiteral("5")}},
        {QStringLiteral("23-words"), {QStringLiteral("--words"), QStringLiteral("23")}},
        {QStringLiteral("25-words"), {QStringLiteral("--words"), QStringLiteral("25")}},
        {QStringLiteral("garbage"), reply(":CONF:ALL?", "\\xff\\xfe#,12,\\x01\\x80\\n")},
        {QStringLiteral("faults"), {}},
    };
    for (const auto &setup : setups) {
        Device device;
        device.sim = std::make_unique<SimulatorProcess>(dir.filePath(setup.first), setup.second,
                                                        QStringLiteral("SN-") + setup.first);
        QVERIFY2(device.sim->start(), qPrintable(setup.first + device.sim->errors()));
        const QList<SerialPortCandidate> ports{{device.sim->link(), switchVendor, switchProduct}};
        device.handler = std::make_unique<SerialPortHandler>(
            [ports] { return ports; }, &SerialPortHandler::openSystemPort,
            SerialPortHandler::defaultDeviceRulePath(), searchTickMs);
        device.probe = std::make_unique<LineProbe>(*device.handler);
        device.found = std::make_unique<QSignalSpy>(device.handler.get(), &SerialPortHandler::deviceFound);
        device.missing =
            std::make_unique<QSignalSpy>(device.handler.get(), &SerialPortHandler::deviceMissing);
        QVERIFY(device.found->isValid());
        QVERIFY(device.missing->isValid());
        device.handler->startDeviceSearch();
        devices.emplace(setup.first, std::move(device));
    }
    for (auto &entry : devices)
        QTRY_VERIFY2_WITH_TIMEOUT(entry.second.found->count() == 1, qPrintable(entry.first),
                                  searchTickMs + 5000);
}

void tst_DeviceProtocol::cleanupTestCase()
{
    // Failed and timed-out exchanges never drop the connection.
    for (auto &entry : devices) {
        QVERIFY2(entry.second.missing->isEmpty(), qPrintable(entry.first));
        QCOMPARE(entry.second.found->count(), 1);
    }
}


Outcome tst_DeviceProtocol::sendPlan(LineProbe &line, const QList<UBRecord> &list, const QString &lnb1,
                                     const QString &lnb2)
{
    const QString command =
        CodeWord::configurationCommand(list, lnb1, lnb2, *database, [this] { return nextRandom++; });
    return line.command(command, 100, true);
}

QList<UBRecord> tst_DeviceProtocol::readPlan(LineProbe &line, QString &lnb1, QString &lnb2)
{
    const Outcome outcome = line.query(QStringLiteral(":CONF:ALL?"), configuration);
    if (outcome != Outcome::Answered)
        throw std::runtime_error(QMetaEnum::fromType<Outcome>().valueToKey(int(outcome)));
    return CodeWord::decodeConfiguration(line.reply(), lnb1, lnb2, *database);
}

void tst_DeviceProtocol::switchQueries_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected"); // empty: nothing answers the query
    QTest::newRow("\"Monday\" (on but not ON)")
        << QStringLiteral("scripted") << QStringLiteral(":CONF:LTEFILT?") << QString();
    QTest::newRow("\"BUTTON\" (ON inside a word)")
        << QStringLiteral("scripted") << QStringLiteral(":CONF:STBY?") << QString();
    QTest::newRow("\"OFF\"") << QStringLiteral("scripted") << QStringLiteral(":CONF:TERRAMP?")
                           << QStringLiteral("OFF");
}

void tst_DeviceProtocol::switchQueries()
{
    QFETCH(QString, device);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    LineProbe &line = probe(device);
    QCOMPARE(line.ask(query), expected);
    // A reply of the wrong form is passed over; the line is in order after
    // a quiet spell.
    if (expected.isEmpty())
        QCOMPARE(line.discardStale(), Outcome::Quiet);
    QCOMPARE(line.owed(), 0);
}

void tst_DeviceProtocol::switchesKeepWhatWasSet()
{
    // The plain device answers "ON"/"OFF" with what it was last set to.
    LineProbe &plain = probe(QStringLiteral("plain"));
    const auto text = [](bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); };
    for (const bool on : {true, false}) {
        QCOMPARE(plain.command(option(QStringLiteral("LTEFILT"), on), 50), Outcome::Sent);
        QCOMPARE(plain.command(option(QStringLiteral("STBY"), !on), 50), Outcome::Sent);
        QCOMPARE(plain.command(option(QStringLiteral("TERRAMP"), on), 50), Outcome::Sent);
        QCOMPARE(plain.ask(QStringLiteral(":CONF:LTEFILT?")), text(on));
        QCOMPARE(plain.ask(QStringLiteral(":CONF:STBY?")), text(!on));
        QCOMPARE(plain.ask(QStringLiteral(":CONF:TERRAMP?")), text(on));
    }
}

void tst_DeviceProtocol::exactCommandLines()
{
    guarded([&] {
        LineProbe &h = probe(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        QCOMPARE(h.command(option(QStringLiteral("LTEFILT"), true), 50), Outcome::Sent);
        QCOMPARE(h.command(option(QStringLiteral("STBY"), false), 50), Outcome::Sent);
        QCOMPARE(h.command(option(QStringLiteral("TERRAMP"), true), 50), Outcome::Sent);
        QCOMPARE(sendPlan(h, dynamicPlan(), QString(), QString()), Outcome::Sent);
        QCOMPARE(h.command(QStringLiteral(":MEM:WRITE:ALL"), 100, true), Outcome::Sent);
        QCOMPARE(h.command(option(QStringLiteral("LTEFILT"), false), 50), Outcome::Sent);
        QCOMPARE(h.command(option(QStringLiteral("STBY"), true), 50), Outcome::Sent);
        QCOMPARE(h.command(option(QStringLiteral("TERRAMP"), false), 50), Outcome::Sent);
        QCOMPARE(h.ask(QStringLiteral(":CONF:LTEFILT?")), QStringLiteral("OFF"));
        QCOMPARE(h.ask(QStringLiteral(":CONF:STBY?")), QStringLiteral("ON"));
        QCOMPARE(h.ask(QStringLiteral(":CONF:TERRAMP?")), QStringLiteral("OFF"));
        QString lnb1, lnb2;
        QCOMPARE(readPlan(h, lnb1, lnb2), dynamicPlan());

        const QStringList lines = sim(QStringLiteral("plain")).loggedLines().mid(before);
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{QStringLiteral(":CONF:LTEFILT ON"), QStringLiteral(":CONF:STBY OFF"),
                              QStringLiteral(":CONF:TERRAMP ON")}));
        QVERIFY(lines.at(3).startsWith(QLatin1String(":CONF:ALL ")));
        const QString words = lines.at(3).mid(10);
        QVERIFY(!words.contains(QLatin1Char(' ')));
        QVERIFY(!words.endsWith(QLatin1Char(',')));
        QCOMPARE(words.split(QLatin1Char(',')).size(), 24);
        QCOMPARE(CodeWord::decodeConfiguration(words, lnb1, lnb2, SatelliteCatalogue()), dynamicPlan());
        QCOMPARE(lines.mid(4),
                 (QStringList{QStringLiteral(":MEM:WRITE:ALL"), QStringLiteral(":CONF:LTEFILT OFF"),
                              QStringLiteral(":CONF:STBY ON"), QStringLiteral(":CONF:TERRAMP OFF"),
                              QStringLiteral(":CONF:LTEFILT?"), QStringLiteral(":CONF:STBY?"),
                              QStringLiteral(":CONF:TERRAMP?"), QStringLiteral(":CONF:ALL?")}));
        // The stored copy holds what was set before the store.
        QFile state(dir.filePath(QStringLiteral("plain.state")));
        QVERIFY(state.open(QIODevice::ReadOnly));
        const QByteArray stored = state.readAll();
        QVERIFY(stored.contains("LTEFILT ON\nSTBY OFF\nTERRAMP ON\n"));
        QVERIFY(stored.contains("ALL " + words.toLatin1() + '\n'));
    });
}

void tst_DeviceProtocol::dynamicWordsDifferButReadBackAlike()
{
    guarded([&] {
        LineProbe &h = probe(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        QCOMPARE(sendPlan(h, dynamicPlan(), QString(), QString()), Outcome::Sent);
        QString lnb1 = QStringLiteral("L1");
        QString lnb2 = QStringLiteral("L2");
        QCOMPARE(readPlan(h, lnb1, lnb2), dynamicPlan());
        QCOMPARE(sendPlan(h, dynamicPlan(), QString(), QString()), Outcome::Sent);
        QCOMPARE(readPlan(h, lnb1, lnb2), dynamicPlan());
        QCOMPARE(lnb1, QStringLiteral("L1"));
        QCOMPARE(lnb2, QStringLiteral("L2"));

        const QStringList lines = sim(QStringLiteral("plain")).loggedLines().mid(before);
        QCOMPARE(lines.size(), 4);
        const QStringList first = lines.at(0).mid(10).split(QLatin1Char(','));
        const QStringList second = lines.at(2).mid(10).split(QLatin1Char(','));
        QCOMPARE(first.size(), 24);
        QCOMPARE(second.size(), 24);
        for (int ub = 0; ub < 24; ++ub) {
            const CodeWord a = CodeWord::fromText(first.at(ub));
            const CodeWord b = CodeWord::fromText(second.at(ub));
            QVERIFY2(a.value() != b.value(), qPrintable(first.at(ub)));
            QCOMPARE(a.value() & 0x00FFFF00u, b.value() & 0x00FFFF00u);
            QCOMPARE(a.f(), quint32(ub % 4));
        }
    });
}

void tst_DeviceProtocol::replyLines_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected"); // "*": the plain device's words
    QTest::addColumn<Outcome>("outcome");
    // Lines that came together: all but the last answer earlier queries.
    QTest::newRow("LF inside a chunk") << QStringLiteral("scripted") << QStringLiteral(":X:INNER?")
                                       << QStringLiteral("CD") << Outcome::Answered;
    QTest::newRow("CR before LF kept") << QStringLiteral("scripted") << QStringLiteral(":X:CRLF?")
                                       << QStringLiteral("12\r") << Outcome::Answered;
    QTest::newRow("UTF-8") << QStringLiteral("scripted") << QStringLiteral(":X:UTF8?")
                           << QString::fromUtf8("\xc3\xa4\xe2\x82\xac") << Outcome::Answered;
    QTest::newRow("empty line") << QStringLiteral("scripted") << QStringLiteral(":X:EMPTY?") << QString()
                                << Outcome::ReadFailed;
    QTest::newRow("no answer") << QStringLiteral("scripted") << QStringLiteral(":X:SILENT?") << QString()
                               << Outcome::TimedOut;
    QTest::newRow("no LF") << QStringLiteral("scripted") << QStringLiteral(":X:NOLF?") << QString()
                           << Outcome::TimedOut;
    QTest::newRow("chunks 40 ms apart")
        << QStringLiteral("chunked") << QStringLiteral(":CONF:ALL?") << QStringLiteral("*") << Outcome::Answered;
    QTest::newRow("delayed answer") << QStringLiteral("delayed") << QStringLiteral(":CONF:ALL?")
                                    << QStringLiteral("*") << Outcome::Answered;
    // Kept as they came: the words' parser drops empty fields.
    QTest::newRow("one trailing comma kept") << QStringLiteral("one-comma") << QStringLiteral(":CONF:ALL?")
                                             << QStringLiteral("*,") << Outcome::Answered;
    QTest::newRow("two trailing commas kept") << QStringLiteral("two-commas") << QStringLiteral(":CONF:ALL?")
                                              << QStringLiteral("*,,") << Outcome::Answered;
}

void tst_DeviceProtocol::replyLines()
{
    QFETCH(QString, device);
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QFETCH(Outcome, outcome);
    // "*" stands for the words the plain device holds by default.
    LineProbe &reference = probe(QStringLiteral("one-comma"));
    QCOMPARE(reference.query(QStringLiteral(":CONF:ALL?"), configuration), Outcome::Answered);
    QVERIFY(reference.reply().endsWith(QLatin1Char(',')) && !reference.reply().endsWith(QLatin1String(",,")));
    expected.replace(QLatin1Char('*'), reference.reply().chopped(1));

    LineProbe &line = probe(device);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(line.query(command, command.startsWith(QLatin1String(":X:")) ? anyLine : configuration), outcome);
    QCOMPARE(line.reply(), expected);
    QVERIFY(clock.elapsed() < 1000);
    if (outcome != Outcome::Answered)
        QCOMPARE(line.discardStale(), Outcome::Quiet);
    QCOMPARE(line.owed(), 0);
}

void tst_DeviceProtocol::bytesAfterTheLfBeginTheNextReply()
{
    // "AB\n", then "CD\n" 240 ms later, after the read has ended: that line
    // is no answer to the next query, which gets its own.
    LineProbe &h = probe(QStringLiteral("scripted"));
    QCOMPARE(h.query(QStringLiteral(":X:SPLIT?"), anyLine), Outcome::Answered);
    QCOMPARE(h.reply(), QStringLiteral("AB"));
    QTest::qWait(300);
    QCOMPARE(h.ask(QStringLiteral(":CONF:TERRAMP?")), QStringLiteral("OFF"));

    // A gap longer than a read's wait fails the read as a timeout; what
    // comes later is owed to it and dropped before the next reply.
    LineProbe &slow = probe(QStringLiteral("slow-chunks"));
    QCOMPARE(slow.query(QStringLiteral(":CONF:ALL?"), configuration), Outcome::TimedOut);
    QCOMPARE(slow.owed(), 1);
    QTest::qWait(600);
    QCOMPARE(slow.ask(QStringLiteral(":CONF:TERRAMP?")), QStringLiteral("ON"));
    QCOMPARE(slow.owed(), 0);
}

void tst_DeviceProtocol::configurationReplies_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("24 words") << QStringLiteral("plain") << true;
    QTest::newRow("in chunks") << QStringLiteral("chunked") << true;
    QTest::newRow("delayed") << QStringLiteral("delayed") << true;
    QTest::newRow("one trailing comma") << QStringLiteral("one-comma") << true;
    QTest::newRow("two trailing commas") << QStringLiteral("two-commas") << true;
    QTest::newRow("extra zero fields") << QStringLiteral("extra-zeros") << true;
    QTest::newRow("23 words") << QStringLiteral("23-words") << false;
    QTest::newRow("25 words") << QStringLiteral("25-words") << false;
    QTest::newRow("garbage") << QStringLiteral("garbage") << false;
}

void tst_DeviceProtocol::configurationReplies()
{
    QFETCH(QString, device);
    QFETCH(bool, accepted);
    LineProbe &h = probe(device);
    QString lnb1 = QStringLiteral("L1");
    QString lnb2 = QStringLiteral("L2");
    if (!accepted) {
        // Garbage has not the form of words and is passed over; a wrong
        // number of words is no plan.
        QVERIFY(thrownMessage([&] { readPlan(h, lnb1, lnb2); }) != "(nothing thrown)");
        QCOMPARE(h.discardStale(), Outcome::Quiet);
    } else {
        const QList<UBRecord> list = readPlan(h, lnb1, lnb2);
        QCOMPARE(list.size(), 24);
        for (int i = 0; i < 24; ++i) {
            QCOMPARE(list.at(i).ubNumber, quint32(23 - i));
            QCOMPARE(list.at(i).freq, slotFrequency(quint32(23 - i)));
        }
    }
    QCOMPARE(lnb1, QStringLiteral("L1"));
    QCOMPARE(lnb2, QStringLiteral("L2"));
    // The line is in order for the next exchange.
    QCOMPARE(h.command(option(QStringLiteral("STBY"), true), 50), Outcome::Sent);
    QCOMPARE(h.ask(QStringLiteral(":CONF:STBY?")), QStringLiteral("ON"));
}

void tst_DeviceProtocol::outOfRangeRefusedBeforeSending_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("ubNumber");
    QTest::addColumn<quint32>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("line 256") << 3 << 20u << 256u << QStringLiteral("Line 256");
    QTest::newRow("ubNumber 32") << 0 << 32u << 0u << QStringLiteral("UB number 33");
}

void tst_DeviceProtocol::outOfRangeRefusedBeforeSending()
{
    QFETCH(int, index);
    QFETCH(quint32, ubNumber);
    QFETCH(quint32, line);
    QFETCH(QString, message);
    QList<UBRecord> list = dynamicPlan();
    list[index].ubNumber = ubNumber;
    list[index].line = line;
    LineProbe &h = probe(QStringLiteral("plain"));
    const int before = sim(QStringLiteral("plain")).loggedLines().size();
    const std::string thrown = thrownMessage([&] { sendPlan(h, list, QString(), QString()); });
    QVERIFY2(QString::fromStdString(thrown).contains(message), thrown.c_str());
    QTest::qWait(50);
    QCOMPARE(sim(QStringLiteral("plain")).loggedLines().size(), before);
}

void tst_DeviceProtocol::noPortMeansConnectionLost()
{
    SerialPortHandler idle([] { return QList<SerialPortCandidate>(); });
    LineProbe line(idle);
    QCOMPARE(line.query(QStringLiteral(":CONF:LTEFILT?")), Outcome::Lost);
    QCOMPARE(line.command(option(QStringLiteral("STBY"), true), 50), Outcome::Lost);
    QCOMPARE(line.query(QStringLiteral(":CONF:ALL?"), configuration), Outcome::Lost);
    QCOMPARE(line.command(QStringLiteral(":MEM:WRITE:ALL"), 100, true), Outcome::Lost);
    QCOMPARE(line.discardStale(), Outcome::Quiet);
    QCOMPARE(line.owed(), 0);
}

void tst_DeviceProtocol::faultsSwitchedDuringARun_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Outcome>("expected");
    QTest::newRow("silence") << QStringLiteral("silence") << Outcome::TimedOut;
    // Random bytes have not the form of words: passed over, and nothing else
    // comes.
    QTest::newRow("garbage") << QStringLiteral("garbage") << Outcome::TimedOut;
    // Never ends its line: only the reply deadline ends the read.
    QTest::newRow("trickle") << QStringLiteral("trickle 20") << Outcome::ReadFailed;
}

void tst_DeviceProtocol::faultsSwitchedDuringARun()
{
    QFETCH(QString, fault);
    QFETCH(Outcome, expected);
    LineProbe &h = probe(QStringLiteral("faults"));
    QString lnb1, lnb2;
    QVERIFY(sim(QStringLiteral("faults")).control(fault));
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = h.query(QStringLiteral(":CONF:ALL?"), configuration);
    QVERIFY2(clock.elapsed() < LineExchange::timeoutMs + LineExchange::replyDeadlineMs + 300,
             qPrintable(QString::number(clock.elapsed())));
    // Now and then random bytes are digits and commas only: still no plan.
    if (outcome == Outcome::Answered && fault == QLatin1String("garbage"))
        QVERIFY(thrownMessage([&] { CodeWord::decodeConfiguration(h.reply(), lnb1, lnb2, *database); }) !=
                "(nothing thrown)");
    else
        QCOMPARE(outcome, expected);

    // Back to normal, what the fault left in the input goes, and the
    // next exchange is answered as it should be.
    QVERIFY(sim(QStringLiteral("faults")).control(QStringLiteral("normal")));
    QCOMPARE(h.discardStale(), Outcome::Quiet);
    QCOMPARE(h.owed(), 0);
    guarded([&] { QCOMPARE(readPlan(h, lnb1, lnb2).size(), 24); });
}

void tst_DeviceProtocol::simulatorKeepsStoredConfiguration()
{
    guarded([&] {
        const QString statePath = dir.filePath(QStringLiteral("stored.state"));
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, 3 - ub % 4, ub + 5).toText();
        const auto exchange = [](QSerialPort &port, const QByteArray &line) {
            port.write(line + '\n');
            port.waitForBytesWritten(100);
            QByteArray reply;
            while (!reply.endsWith('\n') && port.waitForReadyRead(500))
                reply += port.readAll();
            return reply;
        };
        {
            SimulatorProcess simulator(dir.filePath(QStringLiteral("stored")),
                                       {QStringLiteral("--state"), statePath});
            QVERIFY2(simulator.start(), qPrintable(simulator.errors()));
            QSerialPort port(simulator.link());
            QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
            port.write(":CONF:ALL " + words.join(QLatin1Char(',')).toLatin1() +
                       "\n:CONF:STBY ON\n:MEM:WRITE:ALL\n");
            // Not stored: set after the store, and a line with 23 words.
            port.write(":CONF:LTEFILT ON\n:CONF:ALL " + words.mid(1).join(QLatin1Char(',')).toLatin1() +
                       '\n');
            QCOMPARE(exchange(port, ":CONF:ALL?"), words.join(QLatin1Char(',')).toLatin1() + '\n');
            QCOMPARE(exchange(port, ":CONF:LTEFILT?"), QByteArray("ON\n"));
            // Queries answer the working plan; a replug brings the stored one back.
            QStringList tested = words;
            tested.move(0, 23);
            port.write(":CONF:ALL " + tested.join(QLatin1Char(',')).toLatin1() + '\n');
            QCOMPARE(exchange(port, ":CONF:ALL?"), tested.join(QLatin1Char(',')).toLatin1() + '\n');
            QVERIFY(simulator.control(QStringLiteral("replug")));
            QCOMPARE(exchange(port, ":CONF:LTEFILT?"), QByteArray("OFF\n"));
            port.write(":CONF:ALL " + tested.join(QLatin1Char(',')).toLatin1() + "\n:CONF:LTEFILT ON\n");
        }
        SimulatorProcess simulator(dir.filePath(QStringLiteral("stored")),
                                   {QStringLiteral("--state"), statePath});
        QVERIFY2(simulator.start(), qPrintable(simulator.errors()));
        QSerialPort port(simulator.link());
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        QCOMPARE(exchange(port, ":CONF:ALL?"), words.join(QLatin1Char(',')).toLatin1() + '\n');
        QCOMPARE(exchange(port, ":CONF:STBY?"), QByteArray("ON\n"));
        QCOMPARE(exchange(port, ":CONF:LTEFILT?"), QByteArray("OFF\n"));
    });
}


void tst_DeviceProtocol::staticPlanThroughTheDevice()
{
    guarded([&] {
        QList<UBRecord> plan = dynamicPlan();
        const auto makeStatic = [&plan](quint32 ub, quint32 lnb, qint32 tp, quint32 freq, Polarisation pol) {
            UBRecord &record = plan[23 - int(ub)];
            record.type = UBRecord::staticType;
            record.line = 0;
            record.lnb = lnb;
            record.tp = tp;
            record.freq = freq;
            record.polarisation = pol;
        };
        makeStatic(23, 0, 1, 11836, Polarisation::H);
        makeStatic(22, 0, 2, 10744, Polarisation::V);
        makeStatic(0, 1, 7, 11034, Polarisation::V);
        LineProbe &h = probe(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        QCOMPARE(sendPlan(h, plan, QStringLiteral("Astra 19.2E"), QStringLiteral("Hotbird 13E")), Outcome::Sent);
        QString lnb1 = QStringLiteral("L1");
        QString lnb2 = QStringLiteral("L2");
        QCOMPARE(readPlan(h, lnb1, lnb2), plan);
        QCOMPARE(lnb1, QStringLiteral("Astra 19.2E"));
        QCOMPARE(lnb2, QStringLiteral("Hotbird 13E"));
        const QStringList lines = sim(QStringLiteral("plain")).loggedLines().mid(before);
        QCOMPARE(lines.size(), 2);
        // UB 0 first on the line, UB 23 last.
        QVERIFY(lines.at(0).startsWith(QStringLiteral(":CONF:ALL %1,").arg(0x82000000u | 1184u << 8 | 0x4u)));
        QVERIFY(lines.at(0).endsWith(QStringLiteral(",%1").arg(0x81000000u | 23u << 19 | 1136u << 8 | 0x3u)));
    });
}

QTEST_GUILESS_MAIN(tst_DeviceProtocol)
#include "tst_deviceprotocol.moc"
