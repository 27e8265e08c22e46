#include "OfflineEnvironment.h"
#include "controller/PlanEditor.h"
#include "controller/SatelliteDataView.h"
#include "controller/UBDataModel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The satellite data of the window alone. A download that arrives while the
// switch is busy waits; when the switch is free it is taken in, once, with
// its news in the order the window shows them.
class SatelliteDataViewTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<UBDataModel> model;
    PlanEditor *editor = nullptr; // the model's
    SatelliteData *satellites = nullptr; // owned by the view
    std::unique_ptr<SatelliteDataView> view;
    QStringList heard;

    // A download that found no server: the data on this machine (built in)
    // come in place, and the switch may be looked for.
    static SatelliteSource::Download failedDownload()
    {
        SatelliteSource::Download result;
        result.reason = QStringLiteral("no server");
        return result;
    }

    void listen()
    {
        const auto note = [this](const char *name) { return [this, name] { heard << QLatin1String(name); }; };
        connect(view.get(), &SatelliteDataView::errorOccured, this, note("error"));
        connect(view.get(), &SatelliteDataView::noInternetConnection, this, note("offline"));
        connect(view.get(), &SatelliteDataView::satelliteDataReady, this, note("ready"));
        connect(view.get(), &SatelliteDataView::deviceSearchWanted, this, note("search"));
    }

private slots:
    void init()
    {
        const Environment environment = OfflineEnvironment::in(dir.path());
        model = std::make_unique<UBDataModel>();
        editor = model->editor();
        editor->resetToDefault();
        auto data = std::make_unique<SatelliteData>(environment);
        satellites = data.get();
        view = std::make_unique<SatelliteDataView>(*editor, environment, nullptr, std::move(data));
        heard.clear();
        listen();
    }

    void cleanup()
    {
        view.reset();
        model.reset();
    }

    void downloadArrivesWhenFree()
    {
        emit satellites->downloadFinished(failedDownload());
        QCOMPARE(heard, (QStringList{"search", "ready"}));
    }

    void downloadHeldWhileBusyIsTakenInAtTheEnd()
    {
        view->setHeld(true);
        emit satellites->downloadFinished(failedDownload());
        emit satellites->downloadFinished(failedDownload());
        QVERIFY(heard.isEmpty());
        // Busy again without an end between: still waiting.
        view->setHeld(true);
        QVERIFY(heard.isEmpty());
        view->setHeld(false);
        // Only the newest of the waiting downloads is taken in.
        QCOMPARE(heard, (QStringList{"search", "ready"}));
        view->setHeld(true);
        view->setHeld(false);
        QCOMPARE(heard.size(), 2);
    }

    void importWaitsForTheSwitch()
    {
        view->setHeld(true);
        const QString refused = view->importSatelliteData(dir.filePath(QStringLiteral("none.xml")));
        QCOMPARE(refused, QStringLiteral("The switch is busy; import the satellite data when it is done."));
        view->setHeld(false);
        QVERIFY(view->importSatelliteData(dir.filePath(QStringLiteral("none.xml"))) != refused);
    }
};

QTEST_GUILESS_MAIN(SatelliteDataViewTest)
#include "tst_satellitedataview.moc"
