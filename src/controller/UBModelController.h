#pragma once

#include "DeviceStatus.h"
#include "PlanEditor.h"
#include "TransponderLists.h"
#include "db/SatelliteSource.h"
#include "db/ServerSettings.h"
#include "device/SerialPortHandler.h"
#include "io/DiagnosticLines.h"
#include "model/UBRecord.h"
#include "service/Environment.h"
#include "service/SatelliteData.h"
#include "service/SwitchTransfers.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

class UBDataModel;

// Everything the interface does to the band plan goes through here: the
// allocation of static and dynamic UBs, the checks before a transfer, the
// transfers to and from the switch and the settings files. Failures of the
// database and the device become errorOccured/warningOccured; no exception
// leaves a slot.
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
    // True while new satellite data are taken in: the satellite boxes then
    // follow the plan instead of writing it.
    Q_PROPERTY(bool takingSatelliteData READ takingSatelliteData NOTIFY takingSatelliteDataChanged)
    // The band list's transponder lists of the data in memory; replaced with
    // the data.
    Q_PROPERTY(TransponderLists *transponderLists READ transponderLists NOTIFY transponderListsChanged)

public:
    // The surroundings of the handlers the controller creates.
    using Environment = ::Environment;

    explicit UBModelController(UBDataModel *model);
    // `output` takes the lines "found …" and "File from version: …" that
    // scripts read on the window's standard output, besides the log.
    UBModelController(UBDataModel *model, Environment environment,
                      DiagnosticLines output = DiagnosticLines());
    ~UBModelController() override;

    // Downloads (or loads) the satellite data and, when that worked, starts
    // looking for the switch; on the calling thread.
    void initialize();
    // Starts at once from the newest local data (offline cache, else built
    // in) and downloads beside it on a worker thread; emits
    // satelliteDataReady() when the download (or its failure) is taken in.
    // The program calls it once, after the interface is loaded.
    void initializeInBackground();
    // A download in the background, its result taken in place; nothing when
    // one already runs.
    Q_INVOKABLE void updateSatelliteData();
    // Imports satellite data from a file chosen in the window (a URL as the
    // file dialog gives it, or a path) and uses them; empty, or why nothing
    // changed.
    Q_INVOKABLE QString importSatelliteData(const QString &url);

    bool fetchingSatellites() const { return fetching; }
    // The switch and the transfer under way, as the window shows them. Its
    // cancel() stops a transfer while that only reads; a stopped transfer
    // is told as information, not as an error.
    DeviceStatus *deviceStatus() const { return status; }
    bool busy() const { return status->busy(); }
    QString satelliteDataSummary() const;
    QString satelliteDataNotice() const { return notice; }
    bool takingSatelliteData() const { return taking; }
    TransponderLists *transponderLists() const { return lists; }

    // The satellite data in memory as one value; empty when there are none.
    SharedCatalogue catalogue() const { return satellites->catalogue(); }

    // What the data in use number otherwise than the program's satellite id
    // table, for the notice and the report; empty when nothing.
    QString satelliteNumberingNote() const;

    // The failure and warning about the satellite data.
    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

    // The server fields of the "Satellite data…" dialog: host, port (text,
    // empty for the standard port), database, user and password; the server
    // the next download uses.
    Q_INVOKABLE QVariantMap serverSettings() const;
    // Checks and stores the fields, which the next download uses; returns
    // why not (translated), empty when stored.
    Q_INVOKABLE QString saveServerSettings(const QVariantMap &fields);
    // Forgets the stored server; returns the compiled-in fields.
    Q_INVOKABLE QVariantMap resetServerSettings();
    // Whether a plain connection to the host is refused unless the user
    // allows it: every host that is not this machine.
    Q_INVOKABLE bool tlsRequiredFor(const QString &host) const;
    // The user's own transponders, added to the data in use.
    OwnTransponders ownTransponders() const { return satellites->ownTransponders(); }
    // The satellite of a row's LNB, for which "Other transponder…" asks.
    Q_INVOKABLE QString ownTransponderSatellite(int row) const;
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
    void takingSatelliteDataChanged();
    void transponderListsChanged();

public slots:
    void setStaticUBs(uint numStaticUBs, bool above);
    void sendDataToDevice();
    void storeDataInEEPROM();
    void saveToFile(const QString &fileName);
    void readFromFile(const QString &fileName);
    void resetDynamicUBs(bool resetLines);
    void readFromDevice();
    // Reads the switch and tells comparisonReady(), or errorOccured when
    // the switch cannot be read.
    void compareWithDevice();
    // The user's choices in a static UB's row of the band list: a
    // transponder of its LNB's satellite (-1: not assigned), another LNB.
    void chooseTransponder(int row, int transponder);
    void chooseLnb(int row, int lnb);
    QStringList availableSatelites();
    QVariantList itemsForSatelite(const QString &name);

private slots:
    void dbDataOutdated();

private:
    // Whether the plan so judged may be sent; when not, the reasons are said.
    bool validateData(const PlanVerdict &verdict);
    using AfterTransfer = std::function<void(const TransferEnd &)>;
    // Starts a transfer unless one runs; `then` hears its end when it
    // ended Done. A refusal before the start is reported at once.
    void runTransfer(const std::function<void()> &start, AfterTransfer then);
    void transferEnded(const TransferEnd &end);
    void followTransfers();
    // A send read back: a backup that kept only the switch's replies is
    // worth a warning; then that it matches, and what the read-back noticed.
    void reportSent(const TransferEnd &end);
    // "Test on device" and "Save on device": the window's plan, judged, sent.
    void sendPlan(bool store);
    void reportNoSatelliteData();
    // Runs one way of getting the satellite data and what follows it: the
    // warnings of the start-up in one box, then the device search or the
    // report that there is no data.
    void start(const std::function<void()> &getData, bool searchDevice = true);
    void addStartupWarning(const QString &text);
    void setFetching(bool on);
    void transferBusyChanged();
    void cancelTransfer();
    void finishDownload(const SatelliteSource::Download &result);
    void takeDownload(const SatelliteSource::Download &result);
    // Fits the plan to the data now in memory: the satellites and
    // transponders that are still there stay; empty LNBs (and a preset
    // satellite that is gone) get the first and second satellite. Returns
    // the notice's account of what is not in the data.
    QString fitPlanToData();
    void setNotice(const QString &text);
    void setTaking(bool on);
    // New lists when the data in memory are no longer those of the lists.
    void updateTransponderLists();

    UBDataModel *model;
    PlanEditor *editor; // the model's
    DeviceStatus *status; // owned as a child
    std::unique_ptr<SatelliteData> satellites;
    std::unique_ptr<SerialPortHandler> serialPortHandler;
    std::unique_ptr<SwitchTransfers> transfers;
    QString lnb1MissingMessage;
    QString lnb2MissingMessage;
    QString staticUnassignedMessage;
    QString dbConnectionMessage;
    bool fetching = false;
    AfterTransfer afterTransfer;
    // A download that finished while a transfer ran, taken in at its end.
    std::unique_ptr<SatelliteSource::Download> pendingDownload;
    bool starting = false;
    QStringList startupWarnings;
    QString notice;
    bool taking = false;
    TransponderLists *lists = nullptr;
    QString serverSettingsFile;
    bool serverChosen;
    // Why the last download gave no data, naming its server; empty when it did.
    QString serverFailure;
    DiagnosticLines output;
};
