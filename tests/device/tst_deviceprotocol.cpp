// The command set over a real pseudo-terminal: exact lines, reply handling,
// configuration words. Each fault has its own simulator; all connect in the
// same first search.

#include "DynamicPlan.h"
#include "ExchangeChecks.h"
#include "SimulatorProcess.h"
#include "device/CodeWord.h"
#include "device/SerialPortHandler.h"

#include <QElapsedTimer>
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
const std::string readError = "Error occured while reading data, please try again";
const std::string connectionLost = "Lost connection to device. Please connect again";

struct Device
{
    std::unique_ptr<SimulatorProcess> sim;
    std::unique_ptr<SerialPortHandler> handler;
    std::unique_ptr<QSignalSpy> found;
    std::unique_ptr<QSignalSpy> missing;
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

    QTemporaryDir dir;
    SharedCatalogue database;
    std::map<QString, Device> devices;
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
        // A fixed generator: 0, 1, 2, ...
        device.handler = std::make_unique<SerialPortHandler>(
            [ports] { return ports; }, [next = quint32(0)]() mutable { return next++; },
            &SerialPortHandler::openSystemPort, SerialPortHandler::defaultDeviceRulePath(), searchTickMs);
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

void tst_DeviceProtocol::switchQueries_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("expected");
    QTest::newRow("\"Monday\" (on but not ON)") << QStringLiteral("scripted") << 0 << false;
    QTest::newRow("\"BUTTON\" (ON inside a word)") << QStringLiteral("scripted") << 1 << true;
    QTest::newRow("\"OFF\"") << QStringLiteral("scripted") << 2 << false;
}

void tst_DeviceProtocol::switchQueries()
{
    guarded([&] {
        QFETCH(QString, device);
        QFETCH(int, which);
        QFETCH(bool, expected);
        SerialPortHandler &h = handler(device);
        const bool value = which == 0   ? h.readLteFilter()
                           : which == 1 ? h.readStandBy()
                                        : h.readTerrestrialPatchActive();
        QCOMPARE(value, expected);
    });
}

void tst_DeviceProtocol::switchesKeepWhatWasSet()
{
    guarded([&] {
        // The plain device answers "ON"/"OFF" with what it was last set to.
        SerialPortHandler &plain = handler(QStringLiteral("plain"));
        for (const bool on : {true, false}) {
            plain.writeLteFilter(on);
            plain.writeStandBy(!on);
            plain.writeTerrestrialPatchActive(on);
            QCOMPARE(plain.readLteFilter(), on);
            QCOMPARE(plain.readStandBy(), !on);
            QCOMPARE(plain.readTerrestrialPatchActive(), on);
        }
    });
}

void tst_DeviceProtocol::exactCommandLines()
{
    guarded([&] {
        SerialPortHandler &h = handler(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        h.writeLteFilter(true);
        h.writeStandBy(false);
        h.writeTerrestrialPatchActive(true);
        h.writeConfiguration(dynamicPlan(), QString(), QString(), *database);
        h.storeInEeprom();
        h.writeLteFilter(false);
        h.writeStandBy(true);
        h.writeTerrestrialPatchActive(false);
        QVERIFY(!h.readLteFilter());
        QVERIFY(h.readStandBy());
        QVERIFY(!h.readTerrestrialPatchActive());
        QString lnb1, lnb2;
        QCOMPARE(h.readConfiguration(lnb1, lnb2, *database), dynamicPlan());

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
        SerialPortHandler &h = handler(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        h.writeConfiguration(dynamicPlan(), QString(), QString(), *database);
        QString lnb1 = QStringLiteral("L1");
        QString lnb2 = QStringLiteral("L2");
        QCOMPARE(h.readConfiguration(lnb1, lnb2, *database), dynamicPlan());
        h.writeConfiguration(dynamicPlan(), QString(), QString(), *database);
        QCOMPARE(h.readConfiguration(lnb1, lnb2, *database), dynamicPlan());
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
    QTest::addColumn<QString>("expected"); // empty: the read fails
    QTest::addColumn<bool>("timedOut");
    QTest::newRow("LF inside a chunk")
        << QStringLiteral("scripted") << QStringLiteral(":X:INNER?") << QStringLiteral("AB\nCD") << false;
    QTest::newRow("CR before LF kept")
        << QStringLiteral("scripted") << QStringLiteral(":X:CRLF?") << QStringLiteral("12\r") << false;
    QTest::newRow("UTF-8") << QStringLiteral("scripted") << QStringLiteral(":X:UTF8?")
                           << QString::fromUtf8("\xc3\xa4\xe2\x82\xac") << false;
    QTest::newRow("empty line") << QStringLiteral("scripted") << QStringLiteral(":X:EMPTY?") << QString()
                                << false;
    QTest::newRow("no answer") << QStringLiteral("scripted") << QStringLiteral(":X:SILENT?") << QString()
                               << true;
    QTest::newRow("no LF") << QStringLiteral("scripted") << QStringLiteral(":X:NOLF?") << QString() << true;
    QTest::newRow("chunks 40 ms apart")
        << QStringLiteral("chunked") << QStringLiteral(":CONF:ALL?") << QStringLiteral("*") << false;
    QTest::newRow("delayed answer") << QStringLiteral("delayed") << QStringLiteral(":CONF:ALL?")
                                    << QStringLiteral("*") << false;
    QTest::newRow("one trailing comma dropped")
        << QStringLiteral("one-comma") << QStringLiteral(":CONF:ALL?") << QStringLiteral("*") << false;
    QTest::newRow("two trailing commas keep one")
        << QStringLiteral("two-commas") << QStringLiteral(":CONF:ALL?") << QStringLiteral("*,") << false;
}

void tst_DeviceProtocol::replyLines()
{
    guarded([&] {
        QFETCH(QString, device);
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QFETCH(bool, timedOut);
        // "*" stands for the words the plain device holds by default.
        SerialPortHandler &reference = handler(QStringLiteral("one-comma"));
        reference.writeCommand(QStringLiteral(":CONF:ALL?"), 100);
        const QString defaultWords = reference.readReply();
        QVERIFY(!defaultWords.endsWith(QLatin1Char(',')));
        expected.replace(QLatin1Char('*'), defaultWords);

        SerialPortHandler &h = handler(device);
        h.writeCommand(command, 100);
        if (expected.isEmpty()) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(thrownMessage([&] { h.readReply(); }), readError);
            QCOMPARE(h.timeoutOccurred(), timedOut);
            QVERIFY(clock.elapsed() < 1000);
            return;
        }
        QCOMPARE(h.readReply(), expected);
        QVERIFY(!h.timeoutOccurred());
    });
}

void tst_DeviceProtocol::bytesAfterTheLfBeginTheNextReply()
{
    guarded([&] {
        SerialPortHandler &h = handler(QStringLiteral("scripted"));
        // "AB\n", then "CD\n" 240 ms later, after the read has ended.
        h.writeCommand(QStringLiteral(":X:SPLIT?"), 100);
        QCOMPARE(h.readReply(), QStringLiteral("AB"));
        QTest::qWait(300);
        h.writeCommand(QStringLiteral(":CONF:STBY?"), 100);
        QCOMPARE(h.readReply(), QStringLiteral("CD\nBUTTON"));
        h.writeCommand(QStringLiteral(":CONF:TERRAMP?"), 100);
        QCOMPARE(h.readReply(), QStringLiteral("OFF"));

        // A gap longer than a read's wait fails the read as a timeout; what
        // comes later is read with the next reply.
        SerialPortHandler &slow = handler(QStringLiteral("slow-chunks"));
        slow.writeCommand(QStringLiteral(":CONF:ALL?"), 100);
        QCOMPARE(thrownMessage([&] { slow.readReply(); }), readError);
        QVERIFY(slow.timeoutOccurred());
        QTest::qWait(600);
        slow.writeCommand(QStringLiteral(":CONF:TERRAMP?"), 100);
        const QString late = slow.readReply();
        QVERIFY2(late.endsWith(QLatin1String("\nON")), qPrintable(late));
        QVERIFY(!slow.timeoutOccurred());
    });
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
    guarded([&] {
        QFETCH(QString, device);
        QFETCH(bool, accepted);
        SerialPortHandler &h = handler(device);
        QString lnb1 = QStringLiteral("L1");
        QString lnb2 = QStringLiteral("L2");
        if (!accepted) {
            QCOMPARE(thrownMessage([&] { h.readConfiguration(lnb1, lnb2, *database); }), readError);
            QVERIFY(!h.timeoutOccurred());
        } else {
            const QList<UBRecord> list = h.readConfiguration(lnb1, lnb2, *database);
            QCOMPARE(list.size(), 24);
            for (int i = 0; i < 24; ++i) {
                QCOMPARE(list.at(i).ubNumber, quint32(23 - i));
                QCOMPARE(list.at(i).freq, slotFrequency(quint32(23 - i)));
            }
        }
        QCOMPARE(lnb1, QStringLiteral("L1"));
        QCOMPARE(lnb2, QStringLiteral("L2"));
        // The line is in order for the next exchange.
        h.writeStandBy(true);
        QVERIFY(h.readStandBy());
    });
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
    guarded([&] {
        QFETCH(int, index);
        QFETCH(quint32, ubNumber);
        QFETCH(quint32, line);
        QFETCH(QString, message);
        QList<UBRecord> list = dynamicPlan();
        list[index].ubNumber = ubNumber;
        list[index].line = line;
        SerialPortHandler &h = handler(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        const std::string thrown = thrownMessage([&] { h.writeConfiguration(list, QString(), QString(), *database); });
        QVERIFY2(QString::fromStdString(thrown).contains(message), thrown.c_str());
        QTest::qWait(50);
        QCOMPARE(sim(QStringLiteral("plain")).loggedLines().size(), before);
    });
}

void tst_DeviceProtocol::noPortMeansConnectionLost()
{
    SerialPortHandler idle([] { return QList<SerialPortCandidate>(); });
    QString lnb1, lnb2;
    QCOMPARE(thrownMessage([&] { idle.readLteFilter(); }), connectionLost);
    QCOMPARE(thrownMessage([&] { idle.writeStandBy(true); }), connectionLost);
    QCOMPARE(thrownMessage([&] { idle.readConfiguration(lnb1, lnb2, *database); }), connectionLost);
    QCOMPARE(thrownMessage([&] { idle.writeConfiguration(dynamicPlan(), lnb1, lnb2, *database); }), connectionLost);
    QCOMPARE(thrownMessage([&] { idle.storeInEeprom(); }), connectionLost);
    QCOMPARE(thrownMessage([&] { idle.readReply(); }), connectionLost);
    QVERIFY(!idle.timeoutOccurred());
}

void tst_DeviceProtocol::faultsSwitchedDuringARun_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("timedOut");
    QTest::newRow("silence") << QStringLiteral("silence") << true;
    QTest::newRow("garbage") << QStringLiteral("garbage") << false;
    // Never ends its line: only the reply deadline ends the read.
    QTest::newRow("trickle") << QStringLiteral("trickle 20") << false;
}

void tst_DeviceProtocol::faultsSwitchedDuringARun()
{
    guarded([&] {
        QFETCH(QString, fault);
        QFETCH(bool, timedOut);
        SerialPortHandler &h = handler(QStringLiteral("faults"));
        QString lnb1, lnb2;
        QVERIFY(sim(QStringLiteral("faults")).control(fault));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(thrownMessage([&] { h.readConfiguration(lnb1, lnb2, *database); }), readError);
        QVERIFY2(clock.elapsed() < SerialPortHandler::timeoutMs + SerialPortHandler::replyDeadlineMs + 300,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(h.timeoutOccurred(), timedOut);

        // Back to normal, what the fault left in the input goes, and the
        // next exchange is answered as it should be.
        QVERIFY(sim(QStringLiteral("faults")).control(QStringLiteral("normal")));
        h.discardStaleInput();
        QVERIFY(!h.timeoutOccurred());
        QCOMPARE(h.readConfiguration(lnb1, lnb2, *database).size(), 24);
    });
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
        SerialPortHandler &h = handler(QStringLiteral("plain"));
        const int before = sim(QStringLiteral("plain")).loggedLines().size();
        h.writeConfiguration(plan, QStringLiteral("Astra 19.2E"), QStringLiteral("Hotbird 13E"), *database);
        QString lnb1 = QStringLiteral("L1");
        QString lnb2 = QStringLiteral("L2");
        QCOMPARE(h.readConfiguration(lnb1, lnb2, *database), plan);
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
