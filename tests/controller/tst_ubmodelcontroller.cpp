#include "OfflineEnvironment.h"
#include "io/ProgramIdentity.h"
#include "controller/UBModelController.h"
#include "db/ServerSettings.h"
#include "model/BandPlan.h"
#include "model/UBDataModel.h"

#include <QBuffer>
#include <QDataStream>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString dbMessage = QString::fromUtf8(u8"Couldn't connect to database. Please check your internet connection, then open "
                                          u8"\"Satellite data…\", check the server and press \"Update now\".");
const QString lostMessage = QStringLiteral("Lost connection to device. Please connect again");

struct Row
{
    quint32 ubNumber;
    quint32 line;
    quint32 localUB;
    quint32 freq;
};

QString typesOf(const QList<UBRecord> &list)
{
    QString types;
    for (const UBRecord &record : list)
        types += record.isStatic() ? QLatin1Char('S') : QLatin1Char('d');
    return types;
}
} // namespace

class UBModelControllerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir cacheDir;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;

    // The server host name fails at once and the cache directory is empty: no
    // satellite data, and no serial ports at all.
    UBModelController::Environment offline() const
    {
        return OfflineEnvironment::in(cacheDir.path());
    }

    const UBRecord &recordOf(quint32 ubNumber) const
    {
        for (const UBRecord &record : model->ubList()) {
            if (record.ubNumber == ubNumber)
                return record;
        }
        qFatal("no UB %u", ubNumber);
    }

    void assignTopStatics(const QList<qint32> &tps)
    {
        controller->setStaticUBs(uint(tps.size()), true);
        for (int row = 0; row < tps.size(); ++row) {
            QVERIFY(model->setData(model->index(row), tps.at(row), UBDataModel::TpRole));
            QVERIFY(model->setData(model->index(row), 11000 + row, UBDataModel::FreqRole));
            QVERIFY(model->setData(model->index(row), row % 2, UBDataModel::LnbRole));
        }
    }

    void setSatellites()
    {
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        model->setLnb2(QStringLiteral("Hotbird 13.0E"));
    }

private slots:

    // The server is a per-user setting: the controller starts with the stored
    // one, and the dialog's fields are stored by the setting's rules.
    void serverSetting()
    {
        const QString file = cacheDir.filePath(QStringLiteral("server.ini"));
        const SqlHandler::Connection stored{QStringLiteral("db.example"), QStringLiteral("sats"),
                                            QStringLiteral("reader"), QStringLiteral("secret"), 3307};
        QCOMPARE(ServerSettings(file).save(stored), QString());
        UBDataModel model;
        UBModelController controller(&model, UBModelController::Environment::withServerSettingsFile(file));
        const QVariantMap started = controller.serverSettings();
        QCOMPARE(started.value("host").toString(), QStringLiteral("db.example"));
        QCOMPARE(started.value("port").toString(), QStringLiteral("3307"));
        QCOMPARE(started.value("database").toString(), QStringLiteral("sats"));
        QCOMPARE(started.value("password").toString(), QStringLiteral("secret"));

        QVariantMap fields = started;
        fields["host"] = QStringLiteral("other.example");
        fields["port"] = QString();
        QCOMPARE(controller.saveServerSettings(fields), QString());
        QCOMPARE(ServerSettings(file).load().hostName, QStringLiteral("other.example"));
        QCOMPARE(ServerSettings(file).load().port, -1);
        QCOMPARE(controller.serverSettings().value("host").toString(), QStringLiteral("other.example"));

        // A field that breaks a rule stores nothing and says why.
        fields["port"] = QStringLiteral("port");
        QVERIFY(controller.saveServerSettings(fields).contains(QStringLiteral("65535")));
        QCOMPARE(ServerSettings(file).load().port, -1);

        const SqlHandler::Connection defaults = SqlHandler::defaultConnection();
        QCOMPARE(controller.resetServerSettings().value("host").toString(), defaults.hostName);
        QCOMPARE(controller.serverSettings().value("host").toString(), defaults.hostName);
        QCOMPARE(ServerSettings(file).load().hostName, defaults.hostName);
        QFile kept(file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(!kept.readAll().contains("other.example"));
    }

    // Without a file named, the window and the tool read the user's own
    // settings (this test's HOME).
    void serverSettingOfTheUser()
    {
        ProgramIdentity::setIdentity();
        const SqlHandler::Connection stored{QStringLiteral("user.example"), QStringLiteral("satellites"),
                                            QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), -1};
        QCOMPARE(ServerSettings().save(stored), QString());
        QCOMPARE(UBModelController::Environment::production().connection.hostName,
                 QStringLiteral("user.example"));
        // Only where the program is put together is the setting read.
        QCOMPARE(UBModelController::Environment().connection.hostName, SqlHandler::defaultConnection().hostName);
        QCOMPARE(ServerSettings().reset(), QString());
        QCOMPARE(UBModelController::Environment::production().connection.hostName,
                 SqlHandler::defaultConnection().hostName);
    }
    // The window's line for scripts keeps its prefix; the text after it is a
    // file's, written escaped: it can neither steer a terminal nor add a line.
    void scriptLineEscapesTheFilesText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hostile.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QDataStream out(&file);
        out << QStringLiteral("0.7\x1b]0;retitled\x07\nfound SN:forged");
        file.close();
        QBuffer lines;
        QVERIFY(lines.open(QIODevice::WriteOnly));
        UBDataModel plan;
        UBModelController window(&plan, offline(), DiagnosticLines(&lines));
        window.readFromFile(path);
        QCOMPARE(lines.data(),
                 QByteArray("File from version: 0.7\\u001b]0;retitled\\u0007\\nfound SN:forged\n"));
    }

    void init()
    {
        model = std::make_unique<UBDataModel>();
        controller = std::make_unique<UBModelController>(model.get(), offline());
    }

    void cleanup()
    {
        controller.reset();
        model.reset();
    }

    void defaultPlan_data()
    {
        QTest::addColumn<quint32>("ubNumber");
        QTest::addColumn<quint32>("line");
        QTest::addColumn<quint32>("localUB");
        QTest::addColumn<quint32>("freq");
        QTest::newRow("UB 0") << 0u << 0u << 0u << 975u;
        QTest::newRow("UB 1") << 1u << 1u << 0u << 1025u;
        QTest::newRow("UB 4") << 4u << 0u << 1u << 1175u;
        QTest::newRow("UB 23") << 23u << 3u << 5u << 2125u;
    }

    void defaultPlan()
    {
        QFETCH(quint32, ubNumber);
        QFETCH(quint32, line);
        QFETCH(quint32, localUB);
        QFETCH(quint32, freq);
        QCOMPARE(model->rowCount(), 24);
        QCOMPARE(model->ubList().first().ubNumber, 23u);
        QCOMPARE(model->ubList().last().ubNumber, 0u);
        const UBRecord &record = recordOf(ubNumber);
        QCOMPARE(record.type, UBRecord::dynamicType);
        QCOMPARE(record.line, line);
        QCOMPARE(record.localUB, localUB);
        QCOMPARE(record.freq, freq);
        QCOMPARE(record.localUBFreq, freq);
        QCOMPARE(record.tp, -1);
    }

    void staticAtTopKeepsLines()
    {
        QSignalSpy changed(controller.get(), &UBModelController::staticUBsChanged);
        QVERIFY(changed.isValid());
        controller->setStaticUBs(3, true);
        QCOMPARE(typesOf(model->ubList()), QStringLiteral("SSS") + QString(21, 'd'));
        for (quint32 ub : {23u, 22u, 21u}) {
            QCOMPARE(recordOf(ub).tp, -1);
            QCOMPARE(recordOf(ub).freq, 0u);
            QCOMPARE(recordOf(ub).lnb, 0u);
        }
        for (quint32 ub = 0; ub <= 20; ++ub)
            QCOMPARE(recordOf(ub).line, ub % 4);
        // Line 1 lost UB 21 and keeps localUB 0 to 4.
        QCOMPARE(recordOf(1).localUB, 0u);
        QCOMPARE(recordOf(17).localUB, 4u);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
    }

    // Without a window: every row of the LNB, a choice in a row, and a
    // whole plan (a file, the switch) that brings its own satellites.
    void satelliteAndLnbChoicesClearTransponders()
    {
        setSatellites();
        assignTopStatics({5, 6, 7});
        const BandPlan loaded = BandPlan::fromModel(*model);
        const quint32 freq23 = recordOf(23).freq;
        QVERIFY(freq23 > 0);
        model->setLnb1(QStringLiteral("Astra 28.2E"));
        QCOMPARE(recordOf(23).tp, -1);
        // The frequency stays; a saved plan holds it.
        QCOMPARE(recordOf(23).freq, freq23);
        QCOMPARE(recordOf(22).tp, 6);
        QCOMPARE(recordOf(21).tp, -1);
        controller->chooseLnb(1, 0);
        QCOMPARE(recordOf(22).lnb, 0u);
        QCOMPARE(recordOf(22).tp, -1);
        QCOMPARE(recordOf(22).freq, 0u);
        loaded.applyTo(*model);
        QCOMPARE(BandPlan::fromModel(*model), loaded);
        // No data: no transponder can be chosen.
        controller->chooseTransponder(0, 5);
        QCOMPARE(recordOf(23).tp, -1);
    }

    void staticAtBottomRedistributes()
    {
        QSignalSpy changed(controller.get(), &UBModelController::staticUBsChanged);
        controller->setStaticUBs(3, false);
        QCOMPARE(typesOf(model->ubList()), QString(21, 'd') + QStringLiteral("SSS"));
        for (quint32 ub = 3; ub <= 23; ++ub) {
            QCOMPARE(recordOf(ub).line, (ub - 3) % 4);
            QCOMPARE(recordOf(ub).freq, slotFrequency(ub));
        }
        QCOMPARE(changed.at(0).at(0).toBool(), false);
    }

    void growingStaticsKeepsAssignments()
    {
        assignTopStatics({4, 9, 12});
        controller->setStaticUBs(5, true);
        QCOMPARE(typesOf(model->ubList()), QStringLiteral("SSSSS") + QString(19, 'd'));
        const QList<UBRecord> &list = model->ubList();
        QCOMPARE(list.at(0).tp, 4);
        QCOMPARE(list.at(1).tp, 9);
        QCOMPARE(list.at(2).tp, 12);
        QCOMPARE(list.at(1).freq, 11001u);
        QCOMPARE(list.at(1).lnb, 1u);
        QCOMPARE(list.at(3).tp, -1);
        QCOMPARE(list.at(4).tp, -1);
        QCOMPARE(list.at(4).freq, 0u);
    }

    void movingStaticsHandsAssignmentsOnInRowOrder()
    {
        assignTopStatics({4, 9, 12});
        controller->setStaticUBs(2, false);
        const QList<UBRecord> &list = model->ubList();
        QCOMPARE(typesOf(list), QString(22, 'd') + QStringLiteral("SS"));
        QCOMPARE(list.at(22).tp, 4);
        QCOMPARE(list.at(23).tp, 9);
        QCOMPARE(list.at(23).freq, 11001u);
        // Rows that became dynamic get their slot frequency back.
        QCOMPARE(list.at(0).freq, slotFrequency(list.at(0).ubNumber));
    }

    void noneAndAllStatic()
    {
        controller->setStaticUBs(24, false);
        QCOMPARE(typesOf(model->ubList()), QString(24, 'S'));
        QVERIFY(model->staticUbsAvailable());
        controller->setStaticUBs(0, true);
        QCOMPARE(typesOf(model->ubList()), QString(24, 'd'));
        QVERIFY(!model->staticUbsAvailable());
        // More than the plan holds touches no row outside it.
        controller->setStaticUBs(30, true);
        QCOMPARE(model->rowCount(), 24);
        QCOMPARE(typesOf(model->ubList()), QString(24, 'S'));
    }

    void renumberingKeepsLines()
    {
        QList<UBRecord> list = model->ubList();
        for (UBRecord &record : list)
            record.type = UBRecord::staticType;
        list[5].type = UBRecord::dynamicType;
        list[5].line = 2;
        list[9].type = UBRecord::dynamicType;
        list[9].line = 2;
        model->setUBList(list);
        controller->resetDynamicUBs(false);
        QCOMPARE(model->ubList().at(9).localUB, 0u);
        QCOMPARE(model->ubList().at(5).localUB, 1u);
        QCOMPARE(model->ubList().at(5).line, 2u);
    }

    void longListIsTrimmedFromTheTop()
    {
        QList<UBRecord> list = model->ubList();
        UBRecord extra;
        extra.ubNumber = 30;
        list.prepend(extra);
        list.prepend(extra);
        model->setUBList(list);
        QCOMPARE(model->rowCount(), 26);
        controller->resetDynamicUBs(false);
        QCOMPARE(model->rowCount(), 24);
        QCOMPARE(model->ubList().first().ubNumber, 23u);
    }

    void lineAboveThreeIsRefused()
    {
        QList<UBRecord> list = model->ubList();
        list[3].line = 4;
        list[23].localUBFreq = 0; // visited first: must not be changed either
        UBRecord extra;
        list.prepend(extra); // nor is the list trimmed
        model->setUBList(list);
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        QVERIFY(errors.isValid());
        controller->resetDynamicUBs(false);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Line for dynamic channel must be smaller than 5"));
        QCOMPARE(model->ubList(), list);

        controller->resetDynamicUBs(true);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(model->rowCount(), 24);
    }

    void lineEditRenumbers()
    {
        // Through the model, as the band list writes it.
        const int row = model->rowCount() - 1; // UB 0
        QVERIFY(model->setData(model->index(row), 3, UBDataModel::LineRole));
        QCOMPARE(recordOf(0).line, 3u);
        QCOMPARE(recordOf(0).localUB, 0u);
        QCOMPARE(recordOf(3).localUB, 1u);
        QCOMPARE(recordOf(4).localUB, 0u);
    }

    void validationOrder_data()
    {
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<QString>("lnb2");
        QTest::addColumn<int>("unassignedRow"); // -1: none
        QTest::addColumn<quint32>("highLocalUB");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("warnings");
        const QStringList none;
        const QString warning = QStringLiteral("Local UB number bigger than 8, protocol XY required");
        QTest::newRow("both names empty") << "" << "" << -1 << 0u << QStringList{"Lnb1 must be set."} << none;
        QTest::newRow("lnb2 empty") << "A" << "" << -1 << 0u << QStringList{"Lnb2 must be set."} << none;
        QTest::newRow("unassigned static, no warning")
            << "A" << "B" << 20 << 9u << QStringList{"All static UBs must be assigned.\nNot assigned: UB04."} << none;
        // Static UBs and no satellite data: refused before the switch is asked.
        QTest::newRow("localUB 8 warns, then refuses")
            << "A" << "B" << -1 << 8u << QStringList{dbMessage} << QStringList{warning};
        QTest::newRow("localUB 7 is fine") << "A" << "B" << -1 << 7u << QStringList{dbMessage} << none;
    }

    void validationOrder()
    {
        QFETCH(QString, lnb1);
        QFETCH(QString, lnb2);
        QFETCH(int, unassignedRow);
        QFETCH(quint32, highLocalUB);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, warnings);
        model->setLnb1(lnb1);
        model->setLnb2(lnb2);
        QList<UBRecord> list = model->ubList();
        list[0].tp = 3;
        list[0].type = UBRecord::staticType; // assigned static UB
        list[2].tp = 0;
        list[2].type = UBRecord::staticType; // transponder 0 counts as assigned
        if (unassignedRow >= 0) {
            list[unassignedRow].type = UBRecord::staticType;
            list[unassignedRow].tp = -1;
        }
        list[10].localUB = highLocalUB;
        model->setUBList(list);

        QStringList order;
        connect(controller.get(), &UBModelController::errorOccured, this,
                [&order](const QString &text) { order << "error: " + text; });
        connect(controller.get(), &UBModelController::warningOccured, this,
                [&order](const QString &text) { order << "warning: " + text; });
        QStringList expected;
        for (const QString &text : warnings)
            expected << "warning: " + text;
        for (const QString &text : errors)
            expected << "error: " + text;

        controller->sendDataToDevice();
        QCOMPARE(order, expected);
        order.clear();
        controller->storeDataInEEPROM();
        QCOMPARE(order, expected);
    }

    // The window locks the plan while busy: set before the first line goes
    // out, cleared after the last reply, whether the transfer worked or not;
    // a check that fails before sending is not busy at all.
    void busyAroundTransfers()
    {
        QList<bool> seen;
        connect(controller->deviceStatus(), &DeviceStatus::busyChanged, this,
                [&] { seen << controller->busy(); });
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->sendDataToDevice(); // no satellites: refused before sending
        QVERIFY(seen.isEmpty());
        QSignalSpy compared(controller.get(), &UBModelController::comparisonReady);
        controller->readFromDevice(); // no switch: fails inside the transfer
        QTRY_VERIFY_WITH_TIMEOUT(!controller->busy(), 5000);
        controller->compareWithDevice();
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 3, 5000);
        QVERIFY(compared.isEmpty());
        QCOMPARE(seen, (QList<bool>{true, false, true, false}));
        QVERIFY(!controller->busy());
    }

    void queriesWithoutDataReportEachTime()
    {
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        QSignalSpy offline(controller.get(), &UBModelController::noInternetConnection);
        QVERIFY(controller->availableSatelites().isEmpty());
        QVERIFY(controller->availableSatelites().isEmpty());
        QVERIFY(controller->itemsForSatelite(QStringLiteral("Astra 19.2E")).isEmpty());
        QCOMPARE(errors.count(), 3);
        QCOMPARE(offline.count(), 3);
        QCOMPARE(errors.at(2).at(0).toString(), dbMessage);
    }
};

QTEST_GUILESS_MAIN(UBModelControllerTest)
#include "tst_ubmodelcontroller.moc"
