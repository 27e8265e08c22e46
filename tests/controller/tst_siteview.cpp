// The window's site against real site files and the switch simulator: a
// site opened, the plan on screen added and put back, the connected switch
// named by its entry, a store recorded only in the entry whose plan the
// switch now holds, and a write refused when another program changed the
// entry meanwhile.
#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "SimulatorProcess.h"
#include "controller/SiteView.h"
#include "controller/UBDataModel.h"
#include "controller/UBModelController.h"
#include "model/SettingsFile.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString cellar = QStringLiteral("Stairwell A, cellar");
const QString attic = QStringLiteral("Stairwell B, attic");
const QDate day(2026, 12, 9);

Site readSite(const QString &path)
{
    Site site;
    QString reason;
    if (!SiteFile(path).read(&site, &reason))
        qWarning("%s", qPrintable(reason));
    return site;
}

// The plan as an earlier version wrote it: other bytes, the same plan.
QByteArray earlierBytes(const BandPlan &plan)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << QStringLiteral("0.8") << plan.list << plan.lteFilter << plan.standBy
           << plan.terrestrialPatchActive << plan.lnb1 << plan.lnb2;
    return data;
}
} // namespace

class SiteViewTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimulatorProcess> simulator;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;
    SiteView *site = nullptr; // the controller's
    int files = 0;

    QString newPath() { return dir.filePath(QStringLiteral("site%1.fsite").arg(++files)); }

    void start(bool withSwitch)
    {
        Environment environment = OfflineEnvironment::in(dir.path());
        environment.clock = [] { return QDateTime(day, QTime(10, 0)); };
        environment.backupDirectory = dir.filePath(QStringLiteral("backups"));
        if (withSwitch) {
            simulator = std::make_unique<SimulatorProcess>(dir.filePath(QStringLiteral("switch")),
                                                           QStringList(), QStringLiteral("SN:01332251"));
            QVERIFY2(simulator->start(), qPrintable(simulator->errors()));
            const QString link = simulator->link();
            environment.portLister = [link] {
                return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)};
            };
            environment.searchIntervalMs = 200;
        }
        model = std::make_unique<UBDataModel>();
        controller = std::make_unique<UBModelController>(model.get(), environment);
        controller->initialize();
        const QStringList names = controller->availableSatelites();
        QCOMPARE(names.size(), 2);
        model->setLnb1(names.at(0));
        model->setLnb2(names.at(1));
        site = controller->siteView();
        if (withSwitch)
            QTRY_VERIFY_WITH_TIMEOUT(controller->deviceStatus()->connected(), 5000);
    }

    BandPlan onScreen() const { return model->editor()->plan(); }

    // A site file with the plan on screen under `label`, opened.
    QString openWithEntry(const QString &label)
    {
        const QString path = newPath();
        if (!site->createSite(path).isEmpty() || !site->addPlanOnScreen(label).isEmpty())
            return QString();
        return path;
    }

    void store()
    {
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->storeDataInEEPROM();
        QTRY_VERIFY_WITH_TIMEOUT(!controller->busy(), 20000);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.value(0).value(0).toString()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(CacheFile::writeTwoSatelliteCache(dir.path()));
    }

    void cleanup()
    {
        controller.reset();
        model.reset();
        simulator.reset();
    }

    void addedPlanComesBackOnScreen()
    {
        start(false);
        const BandPlan added = onScreen();
        const QString path = openWithEntry(cellar);
        QVERIFY(!path.isEmpty());
        QCOMPARE(readSite(path).entries.size(), 1);
        QCOMPARE(site->entries()->rowCount(), 1);
        // A second switch of that label is refused and the file stays.
        QVERIFY(!site->addPlanOnScreen(cellar).isEmpty());
        QCOMPARE(readSite(path).entries.size(), 1);

        model->editor()->setStaticUBs(4, true);
        QVERIFY(!site->screenShows(0));
        QCOMPARE(site->putOnScreen(0), QString());
        QVERIFY(onScreen() == added);
        QVERIFY(site->screenShows(0));
        QCOMPARE(site->onScreenLabel(), cellar);
        QVERIFY(site->entries()->data(site->entries()->index(0), SiteEntryListModel::OnScreenRole).toBool());

        // Another window opening the file sees the same switch.
        UBDataModel otherModel;
        UBModelController other(&otherModel, OfflineEnvironment::in(dir.path()));
        QCOMPARE(other.siteView()->openSite(QUrl::fromLocalFile(path).toString()), QString());
        QCOMPARE(other.siteView()->labelAt(0), cellar);
        QCOMPARE(other.siteView()->name(), QFileInfo(path).completeBaseName());
    }

    void refusedWriteIsShownAndChangesNothing()
    {
        start(false);
        const QString path = openWithEntry(cellar);
        QVERIFY(!path.isEmpty());
        // Another program gives the switch another plan meanwhile.
        const Site before = readSite(path);
        model->editor()->setStaticUBs(2, false);
        const QByteArray theirs = SettingsFile::bytes(onScreen());
        QString reason;
        QVERIFY2(
            SiteFile(path).apply(SiteChange::replacePlan(cellar, before.entries.at(0).plan, theirs), &reason),
            qPrintable(reason));
        model->editor()->setStaticUBs(6, true);
        const QString refused = site->replaceWithPlanOnScreen(0);
        QVERIFY(refused.contains(cellar));
        QCOMPARE(readSite(path).entries.at(0).plan, theirs);
        // A damaged file is refused and the site open stays.
        const QString damaged = dir.filePath(QStringLiteral("damaged.fsite"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"format\": 1, \"switches\": [") > 0);
        file.close();
        QVERIFY(!site->openSite(damaged).isEmpty());
        QCOMPARE(site->path(), path);
    }

    void connectedSwitchNamesItsEntry()
    {
        start(true);
        const std::optional<QString> serial = controller->deviceStatus()->connectedSwitch();
        QVERIFY(serial && !serial->isEmpty());
        const QString path = openWithEntry(cellar);
        QVERIFY(!path.isEmpty());
        QCOMPARE(site->addPlanOnScreen(attic), QString());
        QCOMPARE(site->connectedLabel(), QString());
        QString reason;
        QVERIFY(SiteFile(path).apply(
            SiteChange::recordStore(attic, readSite(path).entries.at(1).plan, *serial, day, true), &reason));
        QSignalSpy connected(site, &SiteView::connectedChanged);
        QCOMPARE(site->openSite(path), QString());
        QCOMPARE(site->connectedLabel(), attic);
        QCOMPARE(site->connectedRow(), 1);
        QVERIFY(connected.count() >= 1);
        QVERIFY(site->entries()->data(site->entries()->index(1), SiteEntryListModel::ConnectedRole).toBool());
        QVERIFY(
            !site->entries()->data(site->entries()->index(0), SiteEntryListModel::ConnectedRole).toBool());
        // The switch hangs where its entry says, whatever plan is on screen.
        QCOMPARE(site->putOnScreen(0), QString());
        QCOMPARE(site->placeLabel(), attic);
        // Unplugged, the line names nothing; a switch plugged in next gets
        // the plan on screen, and its backup that entry's place.
        QSignalSpy place(site, &SiteView::placeChanged);
        simulator->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!controller->deviceStatus()->connected(), 10000);
        QCOMPARE(site->connectedLabel(), QString());
        QCOMPARE(site->placeLabel(), cellar);
        QCOMPARE(place.count(), 1);
    }

    void storeRecordedOnlyWhenThePlanIsTheEntrys()
    {
        start(true);
        const QString serial = *controller->deviceStatus()->connectedSwitch();
        const QString path = newPath();
        QCOMPARE(site->createSite(path), QString());
        // The entry's bytes differ from what this version writes; the plan
        // is the same.
        SiteEntry entry;
        entry.label = cellar;
        entry.plan = earlierBytes(onScreen());
        QString reason;
        QVERIFY2(SiteFile(path).apply(SiteChange::add(entry), &reason), qPrintable(reason));
        QCOMPARE(site->openSite(path), QString());
        QCOMPARE(site->putOnScreen(0), QString());
        QSignalSpy asked(site, &SiteView::replaceAsked);
        store();
        Site stored = readSite(path);
        QCOMPARE(stored.entries.at(0).serial, serial);
        QCOMPARE(stored.entries.at(0).stored, day);
        QVERIFY(stored.entries.at(0).readBack);
        QCOMPARE(stored.entries.at(0).plan, entry.plan);
        QVERIFY(asked.isEmpty());
        QCOMPARE(site->connectedLabel(), cellar);

        // Another plan stored: nothing is recorded until the user says so.
        model->editor()->setStaticUBs(0, true);
        model->editor()->resetDynamicUBs(true);
        QList<UBRecord> list = onScreen().list;
        list[0].line = list[0].line == 1 ? 2 : 1;
        model->editor()->setList(list);
        QVERIFY(!site->screenShows(0));
        QVERIFY(SiteFile(path).apply(
            SiteChange::recordStore(cellar, entry.plan, serial, day.addDays(-3), true), &reason));
        QCOMPARE(site->openSite(path), QString());
        store();
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 2000);
        QCOMPARE(asked.at(0).at(0).toString(), cellar);
        QCOMPARE(readSite(path).entries.at(0).stored, day.addDays(-3));
        QCOMPARE(site->answerReplace(false), QString());
        QCOMPARE(readSite(path).entries.at(0).stored, day.addDays(-3));

        store();
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 2, 2000);
        QCOMPARE(site->answerReplace(true), QString());
        stored = readSite(path);
        QVERIFY(SettingsFile::fromBytes(stored.entries.at(0).plan, path) == onScreen());
        QCOMPARE(stored.entries.at(0).stored, day);
        QVERIFY(stored.entries.at(0).readBack);
        QCOMPARE(stored.entries.at(0).serial, serial);
    }
};

QTEST_GUILESS_MAIN(SiteViewTest)
#include "tst_siteview.moc"
