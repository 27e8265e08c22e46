#pragma once

#include "PlanEditor.h"
#include "TransponderLists.h"
#include "db/SatelliteSource.h"
#include "service/Environment.h"
#include "service/SatelliteData.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>

// The satellite data as the window needs them: loading at start, downloads
// and imports, the summary and the notice, the server fields, the user's own
// transponders and the transponder lists. New data are taken in under the
// editor's plan. While the switch is busy (setHeld) a download that arrives
// waits and is taken in when the switch is free again.
class SatelliteDataView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool fetchingSatellites READ fetchingSatellites NOTIFY fetchingSatellitesChanged)
    Q_PROPERTY(QString satelliteDataSummary READ satelliteDataSummary NOTIFY satelliteDataSummaryChanged)
    Q_PROPERTY(QString satelliteDataNotice READ satelliteDataNotice NOTIFY satelliteDataNoticeChanged)
    Q_PROPERTY(TransponderLists *transponderLists READ transponderLists NOTIFY transponderListsChanged)

public:
    // `satellites` replaces the data of `environment` when given.
    SatelliteDataView(PlanEditor &editor, const Environment &environment, QObject *parent = nullptr,
                      std::unique_ptr<SatelliteData> satellites = nullptr);
    ~SatelliteDataView() override;

    // Loads the data on the calling thread; then asks for the device search.
    void initialize();
    // The local data at once, the server's download beside it.
    void initializeInBackground();
    // The newest local data (offline cache, else built in); then asks for
    // the device search. False: there are none.
    bool showLocalData();
    Q_INVOKABLE void updateSatelliteData();
    Q_INVOKABLE QString importSatelliteData(const QString &url);

    // While held, a finished download waits; released, it is taken in.
    void setHeld(bool on);
    bool held() const { return holding; }

    bool fetchingSatellites() const { return fetching; }
    QString satelliteDataSummary() const;
    QString satelliteDataNotice() const { return notice; }
    void setNotice(const QString &text);
    TransponderLists *transponderLists() const { return lists; }
    SharedCatalogue catalogue() const { return satellites->catalogue(); }
    OwnTransponders ownTransponders() const { return satellites->ownTransponders(); }
    QString satelliteNumberingNote() const;

    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

    Q_INVOKABLE QVariantMap serverSettings() const;
    Q_INVOKABLE QString saveServerSettings(const QVariantMap &fields);
    Q_INVOKABLE QVariantMap resetServerSettings();
    Q_INVOKABLE bool tlsRequiredFor(const QString &host) const;
    Q_INVOKABLE QString ownTransponderSatellite(int row) const;
    Q_INVOKABLE QString addOwnTransponder(int row, const QString &frequency, const QString &polarisation);
    Q_INVOKABLE QStringList availableSatelites();
    Q_INVOKABLE QVariantList itemsForSatelite(const QString &name);

    // The failure that there are no satellite data, and its reason.
    void reportNoSatelliteData();

signals:
    void errorOccured(const QString &error);
    void warningOccured(const QString &warning);
    void noInternetConnection();
    // The data are there (or were): the switch may be looked for.
    void deviceSearchWanted();
    void satelliteDataReady();
    void fetchingSatellitesChanged();
    void satelliteDataSummaryChanged();
    void satelliteDataNoticeChanged();
    void satelliteListChanged(const QStringList &names);
    void satelliteDataChanged();
    void transponderListsChanged();

private:
    // Runs one way of getting the data: the start-up's warnings in one box,
    // then the device search or the report that there are no data.
    void start(const std::function<void()> &getData, bool searchDevice = true);
    void addStartupWarning(const QString &text);
    void setFetching(bool on);
    void downloadArrived(const SatelliteSource::Download &result);
    void finishDownload(const SatelliteSource::Download &result);
    void takeDownload(const SatelliteSource::Download &result);
    // The plan under the data now in memory; returns the notice's account
    // of what is not in the data.
    QString fitPlanToData();
    void updateTransponderLists();

    PlanEditor &editor;
    std::unique_ptr<SatelliteData> satellites;
    TransponderLists *lists = nullptr;
    QString serverSettingsFile;
    bool serverChosen;
    // Why the last download gave no data, naming its server; empty when it did.
    QString serverFailure;
    QString notice;
    bool fetching = false;
    bool holding = false;
    // A download that finished while held.
    std::unique_ptr<SatelliteSource::Download> pendingDownload;
    bool starting = false;
    QStringList startupWarnings;
};
