#include "OfflineEnvironment.h"
#include "io/ProgramIdentity.h"
#include "controller/UBModelController.h"
#include "db/ServerSettings.h"
#include "model/BandPlan.h"
#include "controller/UBDataModel.h"

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
