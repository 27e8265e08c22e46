// "Test on device", "Save on device" and "Read from device" end to end: the
// controller with the real test database and the switch simulator on a
// pseudo-terminal, checked against the lines the simulator received.
#include "SimulatorProcess.h"
#include "TestDatabase.h"
#include "controller/UBModelController.h"
#include "device/CodeWord.h"
#include "model/NoSatelliteData.h"
#include "controller/UBDataModel.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

Q_DECLARE_METATYPE(UBRecord)

namespace {
// The controller here looks for the switch more often than the program does.
constexpr int searchTickMs = 300;
// How long a test waits for the simulated switch to be found: long enough
// for several missed identifications on a machine busy with other work.
constexpr int foundWaitMs = 30000;
const QString lostMessage = QStringLiteral("Lost connection to device. Please connect again");
const QString dbMessage =
    QString::fromUtf8(u8"Couldn't connect to database. Please check your internet connection, then open "
                      u8"\"Satellite data…\", check the server and press \"Update now\".");
const QString readMessage = QStringLiteral("Error occured while reading data, please try again");
const QString writeMessage = QStringLiteral("Error occured while writing data, please try again");
// The head of every refused send's message.
const QString refusal = QStringLiteral("Nothing was sent to the switch because some UBs cannot be sent:\n");
const QString astra = QStringLiteral("Astra 19.2E"); // SATID 1; transponder 71 = 11836 MHz H, high band
const QString hotbird = QStringLiteral("Hotbird 13.0E");

// The static word as the switch expects it, put together here by hand.
quint32 staticWord(quint32 satId, quint32 ubNumber, quint32 f, bool lnb2, bool horizontal, bool highBand)
{
    return 0x80000000u | satId << 24 | ubNumber << 19 | f << 8 | quint32(lnb2) << 2 |
           quint32(horizontal) << 1 | quint32(highBand);
}
} // namespace

class DeviceTransfersTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimulatorProcess> simulator;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;
    QStringList messages;     // "error: …" and "warning: …" in order
    QStringList deviceEvents; // "found …" and "missing …" with the model's serial number then
    // Handed to the controller, which draws from it for each dynamic code word.
    DeviceTransfers::RandomSource random;
    QString backupDirectory;
    QString backupOverride;
    QString databaseName = QStringLiteral("satellites");
    int searchInterval = searchTickMs;
    const QStringList readLines{":CONF:LTEFILT?", ":CONF:STBY?", ":CONF:TERRAMP?", ":CONF:ALL?"};

    // Starts a transfer as a click does and waits until it has ended.
    void run(void (UBModelController::*click)())
    {
        (controller.get()->*click)();
        QTRY_VERIFY_WITH_TIMEOUT(!controller->busy(), 15000);
    }

    QStringList compareNow()
    {
        QSignalSpy compared(controller.get(), &UBModelController::comparisonReady);
        run(&UBModelController::compareWithDevice);
        return compared.isEmpty() ? QStringList() : compared.first().first().toStringList();
    }

    // A simulator with the given faults and a controller connected to it
    // (when `identified`, else only searching).
    void connectDevice(const QStringList &simulatorArguments = {}, bool identified = true)
    {
        const QString link = dir.filePath(
            QStringLiteral("switch-%1")
                .arg(QTest::currentDataTag() ? QTest::currentDataTag() : QTest::currentTestFunction()));
        simulator =
            std::make_unique<SimulatorProcess>(link, simulatorArguments, QStringLiteral("SN:01332251"));
        QVERIFY2(simulator->start(), qPrintable(simulator->errors()));

        model = std::make_unique<UBDataModel>();
        UBModelController::Environment environment;
        environment.connection = TestDatabase::fixtureConnection(databaseName);
        environment.cacheDirectory = dir.filePath(QStringLiteral("cache"));
        backupDirectory = link + QStringLiteral("-backups");
        if (!backupOverride.isEmpty())
            backupDirectory = backupOverride;
        environment.backupDirectory = backupDirectory;
        environment.portLister = [link] {
            return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)};
        };
        environment.random = random ? random : [] { return 6u; };
        environment.searchIntervalMs = searchInterval;
        controller = std::make_unique<UBModelController>(model.get(), environment);
        messages.clear();
        deviceEvents.clear();
        // The model hears of the device first: the interface, told next,
        // shows the serial number that goes with it.
        connect(controller.get(), &UBModelController::deviceFound, this,
                [this] { deviceEvents << "found " + controller->deviceStatus()->serialNumber(); });
        connect(controller.get(), &UBModelController::deviceMissing, this,
                [this] { deviceEvents << "missing " + controller->deviceStatus()->serialNumber(); });
        connect(controller.get(), &UBModelController::errorOccured, this,
                [this](const QString &text) { messages << "error: " + text; });
        connect(controller.get(), &UBModelController::warningOccured, this,
                [this](const QString &text) { messages << "warning: " + text; });

        QSignalSpy found(controller.get(), &UBModelController::deviceFound);
        QVERIFY(found.isValid());
        controller->initialize();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        if (!identified)
            return;
        // Under load an identification may miss its reply time; a later
        // search tick tries again, so the wait is for the switch, not a tick.
        QTRY_VERIFY_WITH_TIMEOUT(found.count() == 1, foundWaitMs);
        QCOMPARE(controller->deviceStatus()->serialNumber(), QStringLiteral("01332251"));
        QCOMPARE(deviceEvents.last(), QStringLiteral("found 01332251"));
        // Only failed identifications before it, each reported as missing.
        QVERIFY2(deviceEvents.filter(QStringLiteral("missing")).size() == deviceEvents.size() - 1,
                 qPrintable(deviceEvents.join(", ")));
        deviceEvents.clear();
        model->setLnb1(astra);
        model->setLnb2(hotbird);
    }

    // Lines after the identification.
    // A store ends with the store command, then the read-back.
    void verifyStoredAndReadBack(const QStringList &lines) const
    {
        QVERIFY(lines.size() >= 5);
        QCOMPARE(lines.at(lines.size() - 5), QStringLiteral(":MEM:WRITE:ALL"));
        QCOMPARE(lines.mid(lines.size() - 4), readLines);
    }

    QStringList received() const
    {
        QStringList lines = simulator->loggedLines();
        while (!lines.isEmpty() && lines.first() == QLatin1String("*IDN?"))
            lines.removeFirst();
        return lines;
    }

    void makeStatic(int row, quint32 lnb, qint32 tp, quint32 freq)
    {
        QList<UBRecord> list = model->ubList();
        list[row].type = UBRecord::staticType;
        list[row].lnb = lnb;
        list[row].tp = tp;
        list[row].freq = freq;
        // As the band list chooses it: the row's polarisation comes along.
        const QString satellite = lnb > 0 ? model->lnb2() : model->lnb1();
        if (const TransponderItem *item = controller->catalogue()->findTransponder(satellite, quint32(tp)))
            list[row].polarisation = item->polarisation;
        model->setUBList(list);
        controller->resetDynamicUBs(false);
    }

    static QStringList sendLines(const QString &words)
    {
        return {":CONF:LTEFILT OFF", ":CONF:STBY OFF", ":CONF:TERRAMP OFF", ":CONF:ALL " + words};
    }

    // The backups' files of one kind: "*.dat" the plans, "*.txt" the replies.
    QStringList backups(const QString &kind = QStringLiteral("*.dat")) const
    {
        return QDir(backupDirectory + QStringLiteral("/01332251")).entryList({kind}, QDir::Files, QDir::Name);
    }

    // A state file: the switch has stored these words, the LTE filter on.
    QString storedState(const QStringList &words) const
    {
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".state");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("LTEFILT ON\nSTBY OFF\nTERRAMP ON\nALL " + words.join(',').toLatin1() + '\n') <= 0)
            return QString();
        return path;
    }

    static QStringList dynamicWords()
    {
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, ub % 4, ub + 3).toText();
        return words;
    }

    QString backupPath(const QString &name) const
    {
        return backupDirectory + QStringLiteral("/01332251/") + name;
    }

private slots:
    void cleanup()
    {
        controller.reset();
        model.reset();
        simulator.reset();
        random = nullptr;
        backupOverride.clear();
        databaseName = QStringLiteral("satellites");
        searchInterval = searchTickMs;
    }

    void sendWritesOptionsThenWords()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        makeStatic(0, 0, 71, 11836); // UB 23 on Astra 19.2E
        model->setLteFilter(true);
        model->setTerrestrialPatchActive(true);
        const QList<UBRecord> before = model->ubList();
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(model->ubList(), before);

        // The switch's plan is read for its backup first.
        QCOMPARE(received().mid(0, 4), readLines);
        const QStringList lines = received().mid(4);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.mid(0, 3), QStringList({":CONF:LTEFILT ON", ":CONF:STBY OFF", ":CONF:TERRAMP ON"}));
        QVERIFY(lines.at(3).startsWith(":CONF:ALL "));
        // Then read back.
        QCOMPARE(lines.mid(4), readLines);
        const QStringList words = lines.at(3).mid(10).split(',');
        QCOMPARE(words.size(), 24);
        // UB 0 first; with R = 6 % 15 + 1 = 7 and line 0: B = 0, K = 3.
        QCOMPARE(words.first(), QString::number(0x03000007));
        QCOMPARE(words.last(), QString::number(staticWord(1, 23, 11836 - 10600 - 100, false, true, true)));
    }

    // A warning is no refusal: the window warns, and the switch gets the plan.
    // (When the check warns: the plan check's tests.)
    void localUBEightWarnsAndSends()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        QList<UBRecord> list = model->ubList();
        for (int row = 0; row < 9; ++row)
            list[row].line = 0;
        model->setUBList(list);
        controller->resetDynamicUBs(false);
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList{"warning: Local UB number bigger than 8, protocol XY required"});
        QCOMPARE(received().size(), 12);
    }

    // The line closes right after the third option line: the configuration
    // line goes nowhere, and "Test on device" as well as "Save on device" end
    // with one message, the device counted as gone.
    void unplugBeforeTheWordsIsReported_data()
    {
        QTest::addColumn<bool>("store");
        QTest::newRow("Test on device") << false;
        QTest::newRow("Save on device") << true;
    }

    void unplugBeforeTheWordsIsReported()
    {
        QFETCH(bool, store);
        // Both read the switch's plan for its backup first.
        connectDevice({"--unplug-after", "8", "--unplug-delay", "10"});
        if (QTest::currentTestFailed())
            return;
        QSignalSpy missing(controller.get(), &UBModelController::deviceMissing);
        QVERIFY(missing.isValid());
        if (store)
            run(&UBModelController::storeDataInEEPROM);
        else
            run(&UBModelController::sendDataToDevice);
        // The switch goes 10 ms after the option line. Whether the program
        // finds it gone when the configuration line starts, or loses it
        // while writing that line, depends on how busy the machine is; each
        // has its message, and it is one message either way.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first() == "error: " + lostMessage || messages.first() == "error: " + writeMessage,
                 qPrintable(messages.first()));
        QVERIFY(!missing.isEmpty() || missing.wait(5000));
        QCOMPARE(deviceEvents, QStringList{"missing No device found"});
    }

    // A failure while the code words are put together ends "Test on device"
    // and "Save on device" before the switch hears anything (not even the
    // reads of a backup), the model stays as it was, and the message follows
    // the controller's one rule. The random source the controller was given
    // stands in for failures deep inside the encoding. (A plan refused before
    // the encoding: refusedPlanReachesNoSwitch.)
    void failuresBeforeTheWordsSendNoWords_data()
    {
        // empty: not a std::exception; "<no data>": NoSatelliteData
        QTest::addColumn<QString>("thrown");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("noInternet");
        QTest::newRow("no satellite data") << "<no data>" << dbMessage << 1;
        // Told apart by its type, never by its words.
        QTest::newRow("the words of no data") << "Not connected"
                                              << "Not connected" << 0;
        QTest::newRow("device message") << "Fehler während des Schreibvorgangs."
                                        << "Fehler während des Schreibvorgangs." << 0;
        QTest::newRow("no std::exception") << ""
                                           << "Unknown error" << 0;
    }

    void failuresBeforeTheWordsSendNoWords()
    {
        QFETCH(QString, thrown);
        QFETCH(QString, shown);
        QFETCH(int, noInternet);
        random = [thrown]() -> quint32 {
            if (thrown.isEmpty())
                throw 42;
            if (thrown == QLatin1String("<no data>"))
                throw NoSatelliteData();
            throw std::runtime_error(thrown.toStdString());
        };
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        QSignalSpy offline(controller.get(), &UBModelController::noInternetConnection);
        QVERIFY(offline.isValid());
        const QList<UBRecord> before = model->ubList();

        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList{"error: " + shown});
        QCOMPARE(offline.count(), noInternet);
        QCOMPARE(received(), QStringList());

        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList({"error: " + shown, "error: " + shown}));
        QCOMPARE(offline.count(), 2 * noInternet);
        QCOMPARE(received(), QStringList());
        QCOMPARE(model->ubList(), before);
    }

    // The reasons a UB cannot travel, together, and a UB the check refuses:
    // the window names each UB that fails, neither "Test on device" nor
    // "Save on device" gives the switch a single command, and the window's
    // plan stays as it was. The data number one satellite above what a code
    // word carries and leave another without an id. (Each reason alone: the
    // plan preparation's tests; the check's own rules, a static UB without
    // transponder among them: the plan check's tests.)
    void refusedPlanReachesNoSwitch_data()
    {
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<QList<UBRecord>>("changes"); // records replacing those of their UBs
        QTest::addColumn<QString>("shown");
        const auto fixed = [](quint32 ub, quint32 lnb, qint32 tp, quint32 freq) {
            return UBRecord{ub, 0, 0, freq, 0, UBRecord::staticType, lnb, tp, Polarisation()};
        };
        UBRecord offLine{20, 4, 0, slotFrequency(20), 0, UBRecord::dynamicType, 0, -1, Polarisation()};
        QTest::newRow("dynamic line 5") << astra << QList<UBRecord>{fixed(23, 0, 71, 11836), offLine}
                                        << "UB21: a dynamic UB on line 5; the switch has lines 1 to 4.";
        const QString noId = "has no satellite id the switch can carry; use it for dynamic UBs only";
        QTest::newRow("every UB named")
            << "ABS 6 159.0E"
            << QList<UBRecord>{fixed(23, 0, 1, 11000), fixed(22, 1, 72, 12750), fixed(21, 1, 71, 11836),
                               fixed(7, 1, 9999, 11000)}
            << refusal +
                   "UB08: Astra 19.2E has no transponder at 11000 MHz\n"
                   "UB23: its transponder lies 2150 MHz above the LNB oscillator; a code word carries 100 "
                   "to 2147 MHz.\n"
                   "UB24: ABS 6 159.0E " +
                   noId;
    }

    void refusedPlanReachesNoSwitch()
    {
        QFETCH(QString, lnb1);
        QFETCH(QList<UBRecord>, changes);
        QFETCH(QString, shown);
        TestDatabase::Admin admin;
        QVERIFY2(admin.isOpen(), qPrintable(admin.lastError()));
        using TestDatabase::createTable;
        using TestDatabase::insertRow;
        databaseName = admin.createDatabase(
            QStringLiteral("ids"),
            {createTable(astra), insertRow(astra, 71, 11836, "H", 10600, 1),
             insertRow(astra, 72, 12750, "H", 10600, 1), createTable("ABS 6 159.0E"),
             insertRow("ABS 6 159.0E", 1, 11000, "H", 9750, 130), createTable("Nameless 1.0W"),
             insertRow("Nameless 1.0W", 1, 11000, "V", 9750, 0)});
        QVERIFY2(!databaseName.isEmpty(), qPrintable(admin.lastError()));
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        // Names first: a new satellite clears the transponders on its LNB.
        model->setLnb1(lnb1);
        model->setLnb2(astra);
        QList<UBRecord> list = model->ubList();
        for (const UBRecord &change : changes)
            list[23 - int(change.ubNumber)] = change;
        model->setUBList(list);
        model->setLteFilter(true);
        const QList<UBRecord> before = model->ubList();
        QSignalSpy offline(controller.get(), &UBModelController::noInternetConnection);
        QVERIFY(offline.isValid());
        run(&UBModelController::sendDataToDevice);
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList({"error: " + shown, "error: " + shown}));
        QCOMPARE(offline.count(), 0);
        QCOMPARE(model->ubList(), before);
        QTest::qWait(200);
        QCOMPARE(received(), QStringList());
        QCOMPARE(backups("*"), QStringList());
    }

    // An identification whose reply comes too late (as under load) fails;
    // a later search tick finds the switch, and transfers work.
    void identificationMissedOnceFoundOnTheNextTick()
    {
        // Late enough that no stall of a busy machine hides it.
        connectDevice({"--late", "*IDN?=1500"});
        if (QTest::currentTestFailed())
            return;
        QVERIFY(simulator->loggedLines().count(QStringLiteral("*IDN?")) >= 2);
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(received().size(), 12);
    }

    void storeSendsTheMemoryCommandLast()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        const QList<UBRecord> before = model->ubList();
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        QCOMPARE(model->ubList(), before);
        const QStringList lines = received();
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.mid(0, 4), readLines);
        verifyStoredAndReadBack(lines);
    }

    // The window keeps running while the switch answers: the progress shows
    // each step, timers fire, and a second click meanwhile starts nothing.
    void storeShowsItsProgressAndTakesNoSecondClick()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        QStringList steps;
        int secondClicks = 0;
        connect(controller->deviceStatus(), &DeviceStatus::transferProgressChanged, this, [&] {
            steps << controller->deviceStatus()->transferProgress();
            if (steps.size() == 2) {
                ++secondClicks;
                controller->storeDataInEEPROM();
                controller->readFromDevice();
            }
        });
        int ticks = 0;
        QTimer monitor;
        connect(&monitor, &QTimer::timeout, this, [&] { ++ticks; });
        monitor.start(10);
        QVERIFY(!controller->busy());
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        QCOMPARE(secondClicks, 1);
        QCOMPARE(steps, QStringList({"Reading the switch's plan… 1 of 4", "Reading the switch's plan… 2 of 4",
                                     "Reading the switch's plan… 3 of 4", "Reading the switch's plan… 4 of 4",
                                     "Sending… 1 of 4", "Sending… 2 of 4", "Sending… 3 of 4",
                                     "Sending… 4 of 4", "Storing…", "Reading back…", ""}));
        // About 750 ms of pauses: the timer had its turns.
        QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
        const QStringList lines = received();
        QCOMPARE(lines.size(), 13);
        verifyStoredAndReadBack(lines);
    }

    // A cancel while the switch is only read stops before the next line: the
    // switch hears queries alone, the window keeps its plan, and the user
    // is told so as news. Asked for when the transfer reports `cancelAt`.
    void cancelWhileReadingChangesNothing_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<QStringList>("simulatorArguments");
        QTest::addColumn<QString>("cancelAt");
        QTest::addColumn<QStringList>("sent");
        const QString second = QString::fromUtf8(u8"Reading the switch's plan… 2 of 4");
        const QString last = QString::fromUtf8(u8"Reading the switch's plan… 4 of 4");
        const QString first = QString::fromUtf8(u8"Reading the switch's plan… 1 of 4");
        QTest::newRow("cancel store before a query")
            << QStringLiteral("store") << QStringList() << second << QStringList(readLines.mid(0, 2));
        // The backup is written; the first setting has not gone out.
        QTest::newRow("cancel store after the backup")
            << QStringLiteral("store") << QStringList() << last << readLines;
        QTest::newRow("cancel send after the backup")
            << QStringLiteral("send") << QStringList() << last << readLines;
        QTest::newRow("cancel read before a query")
            << QStringLiteral("read") << QStringList() << second << QStringList(readLines.mid(0, 2));
        // The read is complete, but the window asked for none of it.
        QTest::newRow("cancel compare during the last answer")
            << QStringLiteral("compare") << QStringList() << last << readLines;
        // The first query times out: no second attempt goes out.
        QTest::newRow("cancel read before a retry")
            << QStringLiteral("read") << QStringList{"--mute-first", "1"} << first
            << QStringList(readLines.mid(0, 1));
    }

    void cancelWhileReadingChangesNothing()
    {
        QFETCH(QString, transfer);
        QFETCH(QStringList, simulatorArguments);
        QFETCH(QString, cancelAt);
        QFETCH(QStringList, sent);
        connectDevice(simulatorArguments);
        if (QTest::currentTestFailed())
            return;
        makeStatic(0, 0, 71, 11836);
        model->setLteFilter(true);
        const QList<UBRecord> before = model->ubList();
        QSignalSpy information(controller.get(), &UBModelController::informationOccured);
        QVERIFY(!controller->deviceStatus()->cancellable());
        QStringList cancellableAt;
        const QMetaObject::Connection canceller =
            connect(controller->deviceStatus(), &DeviceStatus::transferProgressChanged, this, [&] {
                if (controller->deviceStatus()->cancellable())
                    cancellableAt << controller->deviceStatus()->transferProgress();
                if (controller->deviceStatus()->transferProgress() == cancelAt)
                    controller->deviceStatus()->cancel();
            });
        if (transfer == QLatin1String("store"))
            run(&UBModelController::storeDataInEEPROM);
        else if (transfer == QLatin1String("send"))
            run(&UBModelController::sendDataToDevice);
        else if (transfer == QLatin1String("read"))
            run(&UBModelController::readFromDevice);
        else
            QCOMPARE(compareNow(), QStringList());
        QCOMPARE(messages, QStringList());
        QCOMPARE(information.count(), 1);
        QCOMPARE(information.at(0).at(0).toString(),
                 QStringLiteral("Cancelled. Nothing was changed on the switch."));
        QVERIFY(cancellableAt.contains(cancelAt));
        QVERIFY(!controller->deviceStatus()->cancellable());
        QVERIFY(!controller->busy());
        QCOMPARE(controller->deviceStatus()->transferProgress(), QString());
        QCOMPARE(received(), sent);
        QCOMPARE(model->ubList(), before);
        QVERIFY(model->lteFilter());

        // Nothing of the cancel is left for the next transfer.
        disconnect(canceller);
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        verifyStoredAndReadBack(received().mid(sent.size()));
    }

    // Once the first setting has gone out, a cancel changes nothing: the
    // switch gets the whole plan and stores it.
    void cancelAfterTheFirstSettingDoesNotStopTheStore()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        QSignalSpy information(controller.get(), &UBModelController::informationOccured);
        QStringList cancellableWhileSending;
        connect(controller->deviceStatus(), &DeviceStatus::transferProgressChanged, this, [&] {
            if (!controller->deviceStatus()->transferProgress().startsWith(QStringLiteral("Sending")))
                return;
            if (controller->deviceStatus()->cancellable())
                cancellableWhileSending << controller->deviceStatus()->transferProgress();
            controller->deviceStatus()->cancel();
        });
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        QCOMPARE(cancellableWhileSending, QStringList());
        QCOMPARE(information.count(), 1);
        QVERIFY(information.at(0).at(0).toString().startsWith(
            QStringLiteral("Stored in the switch; its working plan was read back and matches.\n")));
        const QStringList lines = received();
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.mid(4, 3), sendLines(QString()).mid(0, 3));
        verifyStoredAndReadBack(lines);
    }

    void readBackWhatWasSent()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        // UB 0 to line 3, UB 4 static on LNB2.
        const int rowOfUb0 = model->rowCount() - 1;
        QVERIFY(model->setData(model->index(rowOfUb0), 3, UBDataModel::LineRole));
        makeStatic(19, 1, 5, 10834); // Hotbird 13.0E transponder 5
        model->setLteFilter(true);
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList());
        const QList<UBRecord> sent = model->ubList();

        // A fresh plan, another LNB2 satellite: the device's plan replaces both.
        controller->resetDynamicUBs(true);
        controller->setStaticUBs(0, true);
        model->setLteFilter(false);
        model->setLnb2(QStringLiteral("Astra 28.2E"));
        QSignalSpy lnb1(model.get(), &UBDataModel::lnb1Changed);
        QSignalSpy lnb2(model.get(), &UBDataModel::lnb2Changed);
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
        QVERIFY(model->lteFilter());
        QCOMPARE(lnb1.count(), 0);
        QCOMPARE(lnb2.count(), 1);
        QCOMPARE(lnb2.at(0).at(0).toString(), hotbird);
        QCOMPARE(model->lnb2(), hotbird);
        QCOMPARE(model->ubList(), sent);
        QCOMPARE(received().mid(12), readLines);
    }

    void readWithoutStaticsKeepsNames()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::sendDataToDevice);
        QList<UBRecord> edited = model->ubList();
        edited[3].line = 1;
        model->setUBList(edited);
        QSignalSpy lnb1(model.get(), &UBDataModel::lnb1Changed);
        QSignalSpy lnb2(model.get(), &UBDataModel::lnb2Changed);
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(lnb1.count() + lnb2.count(), 0);
        QCOMPARE(model->lnb1(), astra);
        // Numbered per line from the last row upwards, at the slot frequency.
        for (const UBRecord &record : model->ubList()) {
            QCOMPARE(record.line, record.ubNumber % 4);
            QCOMPARE(record.localUB, record.ubNumber / 4);
            QCOMPARE(record.freq, slotFrequency(record.ubNumber));
            QCOMPARE(record.localUBFreq, slotFrequency(record.ubNumber));
        }
    }

    void everyReadTimesOut()
    {
        connectDevice({"--reply", ":CONF:ALL?="});
        if (QTest::currentTestFailed())
            return;
        const QList<UBRecord> before = model->ubList();
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList{"error: " + readMessage});
        QCOMPARE(received().count(":CONF:ALL?"), 3);
        QCOMPARE(received().size(), 12);
        QCOMPARE(model->ubList(), before);
    }

    void firstReadTimesOutSecondSucceeds()
    {
        connectDevice({"--mute-first", "1"});
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(received().count(":CONF:LTEFILT?"), 2);
        QCOMPARE(received().count(":CONF:ALL?"), 1);
    }

    void wrongWordCountFailsAtOnce()
    {
        connectDevice({"--words", "23"});
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList{"error: " + readMessage});
        QCOMPARE(received().count(":CONF:ALL?"), 1);
    }
    // A switch that trickles its answer without ever ending the line holds
    // the window for one reply deadline, not until the reply cap.
    void tricklingSwitchIsBounded_data()
    {
        QTest::addColumn<bool>("identifying");
        QTest::newRow("read") << false;
        QTest::newRow("identification") << true;
    }

    void tricklingSwitchIsBounded()
    {
        QFETCH(bool, identifying);
        // 10 ms a byte: without a deadline the 16 KiB cap takes minutes. The
        // failed identification takes longer than a short search interval:
        // the program's interval keeps the next search out of the checks.
        searchInterval = SerialPortHandler::defaultSearchIntervalMs;
        connectDevice(identifying ? QStringList{"--trickle", "10"} : QStringList{}, !identifying);
        if (QTest::currentTestFailed())
            return;
        const QList<UBRecord> before = model->ubList();
        const bool lteBefore = model->lteFilter();
        const QString serialBefore = controller->deviceStatus()->serialNumber();
        QSignalSpy found(controller.get(), &UBModelController::deviceFound);
        QSignalSpy missing(controller.get(), &UBModelController::deviceMissing);
        QVERIFY(found.isValid());
        QVERIFY(missing.isValid());

        // The longest time the event loop stood still.
        QElapsedTimer sinceTick;
        qint64 longestBlock = 0;
        QTimer monitor;
        connect(&monitor, &QTimer::timeout, this,
                [&] { longestBlock = qMax(longestBlock, sinceTick.restart()); });
        sinceTick.start();
        monitor.start(10);
        if (identifying) {
            QVERIFY(missing.wait(30000));
        } else {
            QVERIFY(simulator->control("trickle 10"));
            sinceTick.restart();
            QTimer::singleShot(0, controller.get(), &UBModelController::readFromDevice);
            QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 30000);
        }
        QTest::qWait(50);
        // Bounded means seconds, not the minutes of the reply cap; how short
        // the block is goes into bench_device, since a busy machine stretches it.
        QVERIFY2(longestBlock < 10000, qPrintable(QString::number(longestBlock)));
        QCOMPARE(messages, identifying ? QStringList() : QStringList{"error: " + readMessage});
        QCOMPARE(found.count(), 0);
        QCOMPARE(missing.count(), identifying ? 1 : 0);
        QCOMPARE(model->ubList(), before);
        QCOMPARE(model->lteFilter(), lteBefore);
        QCOMPARE(controller->deviceStatus()->serialNumber(), serialBefore);
        // A trickle is no time-out: one attempt, where a time-out gets three.
        // A loaded machine may stop the simulator for longer than one wait,
        // which is a real time-out and earns one more attempt.
        QCOMPARE(simulator->loggedLines().last(), identifying ? QString("*IDN?") : QString(":CONF:LTEFILT?"));
        const int attempts = received().count(":CONF:LTEFILT?");
        if (identifying)
            QCOMPARE(attempts, 0);
        else
            QVERIFY2(attempts == 1 || attempts == 2, qPrintable(QString::number(attempts)));
    }

    // The line goes while the switch takes the last line of a transfer.
    void unplugDuringTheLastWrite_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<QString>("unplugOn");
        QTest::newRow("test, plan") << false << ":CONF:ALL ";
        QTest::newRow("save, plan") << true << ":CONF:ALL ";
        QTest::newRow("save, store") << true << ":MEM:WRITE:ALL";
    }

    void unplugDuringTheLastWrite()
    {
        QFETCH(bool, store);
        QFETCH(QString, unplugOn);
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        QSignalSpy missing(controller.get(), &UBModelController::deviceMissing);
        QVERIFY(missing.isValid());
        QVERIFY(simulator->control("unplug " + unplugOn));
        if (store)
            run(&UBModelController::storeDataInEEPROM);
        else
            run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList{"error: " + writeMessage});
        QCOMPARE(missing.count(), 1);
        QVERIFY(simulator->waitForExit(3000));
        const QStringList lines = received();
        QVERIFY2(lines.last().startsWith(unplugOn), qPrintable(lines.join('\n')));
        QCOMPARE(lines.count(":MEM:WRITE:ALL"), unplugOn.startsWith(":MEM") ? 1 : 0);
    }

    // The answer to a query that timed out comes in late, before the next
    // attempt asks again; it holds "ON" where the LTE filter is off.
    void lateReplyNeverAnswersTheNextQuery()
    {
        const QString state = dir.filePath("late.state");
        QFile file(state);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("LTEFILT OFF\nSTBY ON\nTERRAMP OFF\n") > 0);
        file.close();
        connectDevice({"--state", state, "--late", ":CONF:STBY?=250"});
        if (QTest::currentTestFailed())
            return;
        model->setLteFilter(true);
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(model->lteFilter(), false);
        QCOMPARE(model->standBy(), true);
        QCOMPARE(model->terrestrialPatchActive(), false);
        QCOMPARE(received(), QStringList({":CONF:LTEFILT?", ":CONF:STBY?", ":CONF:LTEFILT?", ":CONF:STBY?",
                                          ":CONF:TERRAMP?", ":CONF:ALL?"}));
    }

    // The answer to a query that timed out comes while the line is waited
    // quiet before the next attempt: it is passed over as the late query's,
    // never taken for the next one. 700 ms is well past a read's own waits
    // (the next attempt would already be asking) and well inside the quiet
    // time the switch is given; the simulator holds its later answers behind
    // the late one, as a switch answering in order would.
    void replyAfterTheQuietWaitBelongsToItsQuery_data()
    {
        QTest::addColumn<QString>("late");
        QTest::newRow("stand-by, inside the quiet wait") << ":CONF:STBY?=250";
        QTest::newRow("terrestrial path, inside the quiet wait") << ":CONF:TERRAMP?=250";
        QTest::newRow("LTE filter, after a read's waits") << ":CONF:LTEFILT?=700";
        QTest::newRow("stand-by, after a read's waits") << ":CONF:STBY?=700";
        QTest::newRow("terrestrial path, after a read's waits") << ":CONF:TERRAMP?=700";
    }

    void replyAfterTheQuietWaitBelongsToItsQuery()
    {
        QFETCH(QString, late);
        const QString state = dir.filePath("quiet.state");
        QFile file(state);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("LTEFILT OFF\nSTBY ON\nTERRAMP ON\n") > 0);
        file.close();
        connectDevice({"--state", state, "--late", late});
        if (QTest::currentTestFailed())
            return;
        model->setLteFilter(true);
        model->setStandBy(false);
        model->setTerrestrialPatchActive(false);
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(model->lteFilter(), false);
        QCOMPARE(model->standBy(), true);
        QCOMPARE(model->terrestrialPatchActive(), true);
        // One timed-out attempt, then a whole read.
        QCOMPARE(received().count(":CONF:ALL?"), 1);
        QCOMPARE(received().count(":CONF:LTEFILT?"), 2);
    }

    // "Save on device" keeps what the switch held before, as "Read from
    // device" and "Save to file" would have kept it.
    void backupHoldsTheEarlierPlan()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        makeStatic(19, 1, 5, 10834); // UB 4 on Hotbird 13.0E
        model->setLteFilter(true);
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        const QStringList first = backups();
        const QString earlier = dir.filePath(QStringLiteral("earlier.dat"));
        run(&UBModelController::readFromDevice);
        controller->saveToFile(QUrl::fromLocalFile(earlier).toString());
        QCOMPARE(first.size(), 1);

        controller->setStaticUBs(0, true);
        controller->resetDynamicUBs(true);
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        const QStringList second = backups();
        QCOMPARE(second.size(), 2);
        QCOMPARE(second.first(), first.first());
        QFile backup(backupDirectory + QStringLiteral("/01332251/") + second.last());
        QFile saved(earlier);
        QVERIFY(backup.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), saved.readAll());
        QVERIFY(QRegularExpression("^\\d{8}-\\d{6}(_2)?\\.dat$").match(second.last()).hasMatch());
    }

    // Without a backup nothing reaches the switch after the reads.
    void backupFailureStoresNothing_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read times out") << QStringList{"--reply", ":CONF:ALL?="} << false << readMessage;
        QTest::newRow("folder cannot be made") << QStringList() << true << "cannot be made";
    }

    void backupFailureStoresNothing()
    {
        QFETCH(QStringList, simulator);
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, reason);
        if (folderIsAFile) {
            backupOverride = dir.filePath(QStringLiteral("not-a-folder"));
            QFile file(backupOverride);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        connectDevice(simulator);
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(
                     "error: The switch's plan could not be backed up, so nothing was stored: "),
                 qPrintable(messages.first()));
        QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
        for (const QString &line : received())
            QVERIFY2(line.endsWith('?'), qPrintable(line));
    }

    // "Test on device" replaces the switch's working plan, not its stored
    // one: the backup before the test holds the stored plan, and the store
    // after it names that backup. Transponders that share a frequency, or
    // lie 1 MHz apart, come back as they were sent.
    void testThenStoreKeepsTheStoredPlan()
    {
        const QStringList storedWords = dynamicWords();
        connectDevice({"--state", storedState(storedWords)});
        if (QTest::currentTestFailed())
            return;
        QStringList information;
        connect(controller.get(), &UBModelController::informationOccured, this,
                [&information](const QString &text) { information << text; });
        model->setLnb2(QStringLiteral("Astra 28.2E"));
        makeStatic(0, 1, 79, 11307); // V
        makeStatic(1, 1, 78, 11307); // H
        makeStatic(2, 1, 26, 11306); // V
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(messages, QStringList());
        QCOMPARE(backups().size(), 1);
        const QString storedBackup = backupPath(backups().first());

        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(messages, QStringList());
        QCOMPARE(backups().size(), 2);
        QCOMPARE(information.size(), 2);
        QCOMPARE(information.first(),
                 QStringLiteral("Sent; the switch's working plan was read back and matches."));
        QVERIFY2(information.last().contains(QDir::toNativeSeparators(storedBackup)),
                 qPrintable(information.last()));
        QFile replies(backupPath(backups("*.txt").first()));
        QVERIFY(replies.open(QIODevice::ReadOnly));
        QCOMPARE(replies.readAll(), ":CONF:LTEFILT? ON\n:CONF:STBY? OFF\n:CONF:TERRAMP? ON\n:CONF:ALL? " +
                                        storedWords.join(',').toLatin1() + '\n');

        QList<UBRecord> sent = model->ubList();
        // A static word carries no line or local UB.
        for (UBRecord &record : sent) {
            if (record.isStatic())
                record.line = record.localUB = 0;
        }
        // These data number satellites otherwise than the program's table,
        // and the switch holds static UBs: the comparison says so.
        const QStringList lines = compareNow();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("The switch holds this plan."));
        // The satellites of the static UBs read back are named, no others.
        QVERIFY2(lines.last().endsWith(": Astra 28.2E (id 4 here, 15 in the program's table)."),
                 qPrintable(lines.last()));
        controller->resetDynamicUBs(true);
        run(&UBModelController::readFromDevice);
        QCOMPARE(model->ubList(), sent);
        // The newest backup holds what the switch holds: none is added.
        run(&UBModelController::sendDataToDevice);
        QCOMPARE(backups("*").size(), 4);
        QCOMPARE(messages, QStringList());
    }

    // A switch whose plan cannot be read, for whatever reason: its replies
    // are kept word for word, the user is told why, and the store goes on,
    // so that a switch holding any plan can be stored again.
    void undecodablePlanIsStoredAfterItsVerbatimBackup_data()
    {
        QTest::addColumn<quint32>("word"); // UB06's word
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("because");
        QTest::newRow("satellite the data lack")
            << (0x80000000u | 120u << 24 | 5u << 19 | 1136u << 8 | 0x3u)
            << "UB06 cannot be read: the satellite id 120 is not in the satellite data."
            << "because its plan cannot be read with the satellite data: ";
        // Another program (or an earlier version of this one) put it there.
        QTest::newRow("dynamic word on line 5")
            << CodeWord::makeDynamic(5, 4, 3).value()
            << "UB06 cannot be read: it is a dynamic UB on line 5, but the switch only has lines 1 to 4."
            << "because its plan cannot be read: ";
    }

    void undecodablePlanIsStoredAfterItsVerbatimBackup()
    {
        QFETCH(quint32, word);
        QFETCH(QString, reason);
        QFETCH(QString, because);
        QStringList words = dynamicWords();
        words[5] = QString::number(word);
        connectDevice({"--state", storedState(words)});
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList{"error: " + reason});
        messages.clear();

        run(&UBModelController::storeDataInEEPROM);
        QCOMPARE(backups(), QStringList());
        QCOMPARE(backups("*.txt").size(), 1);
        const QString kept = backupPath(backups("*.txt").first());
        QCOMPARE(messages, QStringList{"warning: Only the switch's replies were backed up (to " +
                                       QDir::toNativeSeparators(kept) + ") " + because + reason});
        verifyStoredAndReadBack(received());
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        DeviceReplies replies;
        QVERIFY(DeviceReplies::fromText(file.readAll(), replies, nullptr));
        QCOMPARE(replies.configuration, words.join(','));
        // What was stored reads back.
        messages.clear();
        run(&UBModelController::readFromDevice);
        QCOMPARE(messages, QStringList());
    }

    // A switch that does not hold what was sent, found by the read-back
    // after "Test on device" and "Save on device": the error names each
    // difference with both sides and the raw words, then where the plan the
    // switch had before is kept. A sound switch gets the news that it
    // matches; a line lost during the read-back says it could not be read.
    void readBackFindsWhatTheSwitchDidNotTake_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<QStringList>("faults");
        // The plan: all UBs dynamic with stand-by on; otherwise UB24 static
        // on Astra 19.2E with the LTE filter on and the terrestrial path off
        // (a fresh switch has stand-by off and the terrestrial path on).
        QTest::addColumn<bool>("standBy");
        // Empty: the read-back matches; "-": it could not be done.
        QTest::addColumn<QStringList>("differences");

        const quint32 sent = staticWord(1, 23, 11836 - 10600 - 100, false, true, true);
        const QString sentText = QStringLiteral("UB24: sent 11836 MHz H on Astra 19.2E, the switch holds ");
        const auto raw = [sent](quint32 held) {
            return QStringLiteral("UB24: sent the word %1, the switch holds the word %2").arg(sent).arg(held);
        };
        // What the simulator holds before anything was sent to it.
        const quint32 untouched = CodeWord::makeDynamic(23, 3, 8).value();
        const QStringList kept{sentText + "a dynamic UB on line 4", raw(untouched)};
        // The reply carries the word with its polarisation bit flipped.
        const QStringList changed{
            sentText + "a static UB with satellite id 1, UB number 23, F 1136, LNB1, V, high band",
            raw(sent ^ 0x2u)};
        const QStringList lost{QStringLiteral("-")};
        for (const bool store : {false, true}) {
            const char *const name = store ? "Save on device" : "Test on device";
            QTest::addRow("%s, sound switch", name) << store << QStringList() << false << QStringList();
            QTest::addRow("%s, sound switch, stand-by", name)
                << store << QStringList() << true << QStringList();
            QTest::addRow("%s, word kept", name)
                << store << QStringList{"--keep-word", "23"} << false << kept;
            QTest::addRow("%s, stand-by ignored", name)
                << store << QStringList{"--ignore-option", "STBY"} << true
                << QStringList{"Stand-by: sent on, the switch holds off"};
            QTest::addRow("%s, terrestrial path ignored", name)
                << store << QStringList{"--ignore-option", "TERRAMP"} << false
                << QStringList{"Terrestrial path: sent off, the switch holds on"};
            QTest::addRow("%s, reply changed", name)
                << store << QStringList{"--change-reply", "23"} << false << changed;
            // The identification, four reads, three options, the plan (and
            // the store), then the first query of the read-back.
            QTest::addRow("%s, line lost while reading back", name)
                << store << QStringList{"--unplug-after", store ? "11" : "10", "--unplug-delay", "10"}
                << false << lost;
        }
    }

    void readBackFindsWhatTheSwitchDidNotTake()
    {
        QFETCH(bool, store);
        QFETCH(QStringList, faults);
        QFETCH(bool, standBy);
        QFETCH(QStringList, differences);
        connectDevice(faults);
        if (QTest::currentTestFailed())
            return;
        QStringList information;
        connect(controller.get(), &UBModelController::informationOccured, this,
                [&information](const QString &text) { information << text; });
        if (standBy) {
            model->setStandBy(true);
        } else {
            makeStatic(0, 0, 71, 11836); // UB24 on Astra 19.2E
            model->setLteFilter(true);
            model->setTerrestrialPatchActive(false);
        }
        run(store ? &UBModelController::storeDataInEEPROM : &UBModelController::sendDataToDevice);

        QCOMPARE(backups().size(), 1);
        const QString backupLine =
            (store ? QStringLiteral("The plan the switch had stored before is kept in the backup %1.")
                   : QStringLiteral("The plan the switch held before the send is kept in the backup %1."))
                .arg(QDir::toNativeSeparators(backupPath(backups().first())));
        if (differences == QStringList{QStringLiteral("-")}) {
            QCOMPARE(information, QStringList());
            QCOMPARE(messages.size(), 1);
            const QString head = QStringLiteral(
                "error: The plan was sent, but the switch's working plan could not be read back: ");
            QVERIFY2(messages.first().startsWith(head), qPrintable(messages.first()));
            QVERIFY2(messages.first().endsWith('\n' + backupLine), qPrintable(messages.first()));
            QVERIFY(simulator->waitForExit(3000));
            QCOMPARE(received().mid(store ? 9 : 8), readLines.mid(0, 1));
            return;
        }
        QCOMPARE(received().mid(received().size() - 4), readLines);
        if (differences.isEmpty()) {
            QCOMPARE(messages, QStringList());
            QCOMPARE(
                information,
                QStringList{
                    store ? "Stored in the switch; its working plan was read back and matches.\n" + backupLine
                          : QStringLiteral("Sent; the switch's working plan was read back and matches.")});
            return;
        }
        QCOMPARE(information, QStringList());
        QCOMPARE(
            messages,
            QStringList{
                "error: The plan was sent, but the switch's working plan, read back, differs from it:\n" +
                differences.join('\n') + '\n' + backupLine});
    }

    // The comparison reads the switch and leaves the window's plan alone.
    void compareWithDevice()
    {
        connectDevice();
        if (QTest::currentTestFailed())
            return;
        run(&UBModelController::sendDataToDevice);
        // Dynamic UBs name no satellite: how the data number them is no matter.
        QCOMPARE(compareNow(), QStringList{"The switch holds this plan."});
        model->setLteFilter(true);
        const QList<UBRecord> before = model->ubList();
        QCOMPARE(compareNow(), QStringList{"LTE filter: on in the plan, off in the switch"});
        QVERIFY(model->lteFilter());
        QCOMPARE(model->ubList(), before);
        QCOMPARE(messages, QStringList());
    }
};

QTEST_GUILESS_MAIN(DeviceTransfersTest)
#include "tst_devicetransfers.moc"
