#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "app/ProgramWindow.h"

#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using PlanEdit = std::function<void(UBDataModel &)>;
Q_DECLARE_METATYPE(PlanEdit)

namespace {
QStringList messages;
QtMessageHandler previousHandler = nullptr;

// Keeps every warning and error, and passes all on.
void keepWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        messages << text;
    previousHandler(type, context, text);
}
} // namespace

// The window as the program puts it together and loads it: everything its
// interface uses is there, and the start from the offline cache reaches the
// satellite boxes.
class ProgramWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
        QVERIFY(CacheFile::writeTwoSatelliteCache(dir.path()));
        previousHandler = qInstallMessageHandler(keepWarnings);
    }

    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void loadsWithoutWarningsAndFollowsTheData()
    {
        messages.clear();
        loadAndShow();
        if (QTest::currentTestFailed())
            return;
        // The window's end too: nothing of the interface outlives what it shows.
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    // A second window in the same program shows its own parts, not those of
    // the first, which are gone.
    void aSecondWindowShowsItsOwnParts()
    {
        messages.clear();
        loadAndShow();
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    // The installation sheet shows the window's plan from the start and
    // after each kind of change the band list and the options make.
    // The server's download waits for the window's first frame, so that it
    // does not compete with making the window; then it runs and is taken in.
    void serverIsAskedAfterTheFirstFrame()
    {
        QQmlApplicationEngine engine;
        ProgramWindow window(OfflineEnvironment::in(dir.path()));
        window.load(engine);
        QCOMPARE(engine.rootObjects().size(), 1);
        UBModelController &control = window.controller();
        QSignalSpy taken(&control, &UBModelController::satelliteDataReady);
        QVERIFY(taken.isValid());
        window.start();
        QCOMPARE(control.availableSatelites().size(), 2);
        QVERIFY(!control.fetchingSatellites());
        QTRY_VERIFY_WITH_TIMEOUT(!taken.isEmpty(), 10000);
        QVERIFY(!control.fetchingSatellites());
    }

    void sheetFollowsThePlan_data()
    {
        QTest::addColumn<PlanEdit>("edit");
        QTest::newRow("a line") << PlanEdit(
            [](UBDataModel &plan) { QVERIFY(plan.setData(plan.index(0), 2, UBDataModel::LineRole)); });
        QTest::newRow("a frequency") << PlanEdit(
            [](UBDataModel &plan) { QVERIFY(plan.setData(plan.index(3), 11836, UBDataModel::FreqRole)); });
        QTest::newRow("the list") << PlanEdit(
            [](UBDataModel &plan) { plan.setUBList(plan.ubList().mid(1)); });
        QTest::newRow("LNB 1") << PlanEdit([](UBDataModel &plan) { plan.setLnb1(QStringLiteral("Sat A")); });
        QTest::newRow("LNB 2") << PlanEdit([](UBDataModel &plan) { plan.setLnb2(QStringLiteral("Sat B")); });
        QTest::newRow("LTE filter") << PlanEdit([](UBDataModel &plan) { plan.setLteFilter(true); });
        QTest::newRow("terrestrial") << PlanEdit(
            [](UBDataModel &plan) { plan.setTerrestrialPatchActive(true); });
        QTest::newRow("stand-by") << PlanEdit([](UBDataModel &plan) { plan.setStandBy(true); });
    }

    void sheetFollowsThePlan()
    {
        QFETCH(PlanEdit, edit);
        QQmlEngine engine;
        ProgramWindow window(OfflineEnvironment::in(dir.path()));
        window.expose(engine);
        QQmlComponent probe(&engine);
        probe.setData("import QtQml 2.2\nimport Fenzo 1.0\nQtObject { readonly property var sheet: Sheet }",
                      QUrl());
        const std::unique_ptr<QObject> seen(probe.create());
        QVERIFY2(seen, qPrintable(probe.errorString()));
        auto *sheet = qobject_cast<InstallationSheet *>(seen->property("sheet").value<QObject *>());
        QVERIFY(sheet);
        UBDataModel &plan = window.model();
        const auto shown = [sheet, &plan] {
            const BandPlan &held = sheet->plan();
            return held.list == plan.ubList() && held.lnb1 == plan.lnb1() && held.lnb2 == plan.lnb2() &&
                   held.lteFilter == plan.lteFilter() && held.standBy == plan.standBy() &&
                   held.terrestrialPatchActive == plan.terrestrialPatchActive();
        };
        QCOMPARE(plan.rowCount(), BandPlan::size);
        QVERIFY(shown());

        QSignalSpy changed(sheet, &InstallationSheet::changed);
        QVERIFY(changed.isValid());
        edit(plan);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(shown());
        QVERIFY(!changed.isEmpty());
    }

private:
    // Declared as the program declares them, the engine first.
    void loadAndShow()
    {
        QQmlApplicationEngine engine;
        ProgramWindow window(OfflineEnvironment::in(dir.path()));
        window.load(engine);
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *shown = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        QVERIFY(shown);
        // The interface reaches this window's parts, each under its name.
        QQmlComponent probe(&engine);
        probe.setData("import QtQml 2.2\nimport Fenzo 1.0\nQtObject {\n"
                      "  readonly property var plan: Plan\n"
                      "  readonly property var satellites: SatelliteNames\n"
                      "  readonly property bool others: !!(Controller && Device && Sheet && Report)\n}",
                      QUrl());
        const std::unique_ptr<QObject> seen(probe.create());
        QVERIFY2(seen, qPrintable(probe.errorString()));
        QCOMPARE(seen->property("plan").value<QObject *>(), &window.model());
        QVERIFY(seen->property("others").toBool());
        window.start();
        auto *list = qobject_cast<QAbstractItemModel *>(seen->property("satellites").value<QObject *>());
        QVERIFY(list);
        QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.controller().fetchingSatellites(), 10000);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        shown->close();
    }
};

QTEST_MAIN(ProgramWindowTest)

#include "tst_programwindow.moc"
