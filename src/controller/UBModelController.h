#pragma once

#include "DeviceStatus.h"
#include "PlanEditor.h"
#include "PlanFiles.h"
#include "SatelliteDataView.h"
#include "SiteView.h"
#include "SwitchView.h"
#include "TransponderLists.h"
#include "io/DiagnosticLines.h"
#include "service/Environment.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class UBDataModel;

// The window's controller: the plan's editor, the satellite data, the switch
// and the settings files under one name. Each part does its own work; this
// hands the window's calls on and relays the parts' signals in their order.
// Failures of the database and the device become errorOccured/warningOccured;
// no exception leaves a slot.
class UBModelController : public QObject
{
    Q_OBJECT
    // True while the start-up download runs in the background.
    Q_PROPERTY(bool fetchingSatellites READ fetchingSatellites NOTIFY fetchingSatellitesChanged)
    // One line: where the satellite data come from, their date and number.
    Q_PROPERTY(QString satelliteDataSummary READ satelliteDataSummary NOTIFY satelliteDataSummaryChanged)
    // The quiet line of the window about the satellite data; empty when there
    // is nothing to say.
    Q_PROPERTY(QString satelliteDataNotice READ satelliteDataNotice NOTIFY satelliteDataNoticeChanged)
    // The band list's transponder lists of the data in memory; replaced with
    // the data.
    Q_PROPERTY(TransponderLists *transponderLists READ transponderLists NOTIFY transponderListsChanged)

public:
    // The surroundings of the handlers the controller creates.
    using Environment = ::Environment;

    explicit UBModelController(UBDataModel *model);
    // `output` takes the lines "found …" and "File from version: …" that
    // scripts read on the window's standard output, besides the log.
    UBModelController(UBDataModel *model, const Environment &environment,
                      DiagnosticLines output = DiagnosticLines());
    ~UBModelController() override;

    // Downloads (or loads) the satellite data and, when that worked, starts
    // looking for the switch; on the calling thread.
    void initialize() { data->initialize(); }
    // Starts at once from the newest local data (offline cache, else built
    // in) and downloads beside it on a worker thread; emits
    // satelliteDataReady() when the download (or its failure) is taken in.
    // The program calls it once, after the interface is loaded.
    void initializeInBackground() { data->initializeInBackground(); }
    // The first half of it: the newest local data, and the device search.
    void startFromLocalData() { data->showLocalData(); }
    // A download in the background, its result taken in place; nothing when
    // one already runs.
    Q_INVOKABLE void updateSatelliteData() { data->updateSatelliteData(); }
    // Imports satellite data from a file chosen in the window (a URL as the
    // file dialog gives it, or a path) and uses them; empty, or why nothing
    // changed.
    Q_INVOKABLE QString importSatelliteData(const QString &url) { return data->importSatelliteData(url); }

    bool fetchingSatellites() const { return data->fetchingSatellites(); }
    // The switch and the transfer under way, as the window shows them. Its
    // cancel() stops a transfer while that only reads; a stopped transfer
    // is told as information, not as an error.
    DeviceStatus *deviceStatus() const { return switchView->deviceStatus(); }
    bool busy() const { return switchView->busy(); }
    QString satelliteDataSummary() const { return data->satelliteDataSummary(); }
    QString satelliteDataNotice() const { return data->satelliteDataNotice(); }
    TransponderLists *transponderLists() const { return data->transponderLists(); }

    // The parts, for the window's singletons.
    SatelliteDataView *satelliteDataView() const { return data; }
    SwitchView *switchPart() const { return switchView; }
    PlanFiles *planFiles() const { return files; }
    SiteView *siteView() const { return sites; }

    // The satellite data in memory as one value; empty when there are none.
    SharedCatalogue catalogue() const { return data->catalogue(); }

    // What the data in use number otherwise than the program's satellite id
    // table, for the notice and the report; empty when nothing.
    QString satelliteNumberingNote() const { return data->satelliteNumberingNote(); }

    // The failure and warning about the satellite data.
    static QString databaseMissingMessage() { return SatelliteDataView::databaseMissingMessage(); }
    static QString outdatedDataMessage() { return SatelliteDataView::outdatedDataMessage(); }

    // The server fields of the "Satellite data…" dialog: host, port (text,
    // empty for the standard port), database, user and password; the server
    // the next download uses.
    Q_INVOKABLE QVariantMap serverSettings() const { return data->serverSettings(); }
    // Checks and stores the fields, which the next download uses; returns
    // why not (translated), empty when stored.
    Q_INVOKABLE QString saveServerSettings(const QVariantMap &fields)
    {
        return data->saveServerSettings(fields);
    }
    // Forgets the stored server; returns the compiled-in fields.
    Q_INVOKABLE QVariantMap resetServerSettings() { return data->resetServerSettings(); }
    // Whether a plain connection to the host is refused unless the user
    // allows it: every host that is not this machine.
    Q_INVOKABLE bool tlsRequiredFor(const QString &host) const { return data->tlsRequiredFor(host); }
    // The user's own transponders, added to the data in use.
    OwnTransponders ownTransponders() const { return data->ownTransponders(); }
    // The satellite of a row's LNB, for which "Other transponder…" asks.
    Q_INVOKABLE QString ownTransponderSatellite(int row) const { return data->ownTransponderSatellite(row); }
    // A transponder entered by hand for that satellite: kept with the user's
    // own, added to the data in use, and chosen for the row. Returns why
    // not (translated), empty when done.
    Q_INVOKABLE QString addOwnTransponder(int row, const QString &frequency, const QString &polarisation);

signals:
    void errorOccured(QString error);
    void warningOccured(QString error);
    // News that needs no action, such as where a store kept the switch's
    // earlier plan.
    void informationOccured(QString text);
    void staticUBsChanged(bool above);
    void deviceFound();
    void deviceMissing();
    void noInternetConnection();
    void satelliteDataReady();
    void fetchingSatellitesChanged();
    // The differences between the window's plan and the switch's, one line
    // each, once compareWithDevice() has read the switch.
    void comparisonReady(const QStringList &lines);
    void satelliteDataSummaryChanged();
    void satelliteDataNoticeChanged();
    // The satellite names of new data, before the plan is checked against
    // them: for the satellite boxes' list.
    void satelliteListChanged(const QStringList &names);
    // New satellite data are in place and the plan follows them.
    void satelliteDataChanged();
    void transponderListsChanged();

public slots:
    void setStaticUBs(uint numStaticUBs, bool above) { editor->setStaticUBs(numStaticUBs, above); }
    void sendDataToDevice() { switchView->sendPlan(false); }
    void storeDataInEEPROM() { switchView->sendPlan(true); }
    void saveToFile(const QString &fileName) { files->saveToFile(fileName); }
    void readFromFile(const QString &fileName) { files->readFromFile(fileName); }
    void resetDynamicUBs(bool resetLines) { editor->resetDynamicUBs(resetLines); }
    void readFromDevice() { switchView->readFromDevice(); }
    // Reads the switch and tells comparisonReady(), or errorOccured when
    // the switch cannot be read.
    void compareWithDevice() { switchView->compareWithDevice(); }
    // The user's choices in a static UB's row of the band list: a
    // transponder of its LNB's satellite (-1: not assigned), another LNB.
    void chooseTransponder(int row, int transponder) { editor->chooseTransponder(row, transponder); }
    void chooseLnb(int row, int lnb) { editor->chooseLnb(row, lnb); }
    QStringList availableSatelites() { return data->availableSatelites(); }
    QVariantList itemsForSatelite(const QString &name) { return data->itemsForSatelite(name); }

private:
    void relayDataSignals();
    void relaySwitchSignals();

    PlanEditor *editor;      // the model's
    SatelliteDataView *data; // owned as a child
    SwitchView *switchView;  // owned as a child; goes first
    PlanFiles *files;        // owned as a child
    SiteView *sites;         // owned as a child; listens to the switch
};
