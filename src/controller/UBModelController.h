#pragma once

#include "DeviceTransfers.h"
#include "db/SatelliteDownload.h"
#include "db/SqlHandler.h"
#include "device/SerialPortHandler.h"
#include "model/UBRecord.h"

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
    // Why a port that may be the switch cannot be used; empty when none.
    Q_PROPERTY(QString portProblem READ portProblem NOTIFY portProblemChanged)
    // True from the first line sent to the switch until its last reply.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    // What the controller hands to the handlers it creates. The defaults are
    // the production ones; tests point them at their own server, directory,
    // clock, ports and random source.
    struct Environment
    {
        SqlHandler::Connection connection = SqlHandler::defaultConnection();
        QString cacheDirectory;
        SqlHandler::Clock clock = &QDateTime::currentDateTime;
        SerialPortHandler::PortLister portLister = &SerialPortHandler::systemPorts;
        SerialPortHandler::RandomSource random;
        // Where "Save on device" keeps the switch's earlier plans; empty:
        // "backups" in the per-user application data directory.
        QString backupDirectory;
        SerialPortHandler::PortOpener portOpener = &SerialPortHandler::openSystemPort;
        QString deviceRulePath = SerialPortHandler::defaultDeviceRulePath();
        int downloadDeadlineMs = SatelliteDownload::defaultDeadlineMs;
    };

    explicit UBModelController(UBDataModel *model);
    UBModelController(UBDataModel *model, Environment environment);
    ~UBModelController() override;

    // Downloads (or loads) the satellite data and, when that worked, starts
    // looking for the switch; on the calling thread.
    void initialize();
    // The same with the download on a worker thread: returns at once and
    // emits satelliteDataReady() when the data (or the failure) are there.
    // The program calls it once, after the interface is loaded.
    void initializeInBackground();

    bool fetchingSatellites() const { return fetching; }
    QString portProblem() const;
    bool busy() const { return busyNow; }

    // The satellite data in memory, for readers such as the installation sheet.
    const SqlHandler *satelliteData() const { return sqlHandler.get(); }

    // Turns the text a file dialog yields into a local path.
    static QString localPathFromUrlText(const QString &fileName);

    // Texts that the command-line tool shows as the window does.
    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

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
    void portProblemChanged();
    void busyChanged();

public slots:
    void setStaticUBs(uint numStaticUBs, bool above);
    void sendDataToDevice();
    void storeDataInEEPROM();
    void saveToFile(const QString &fileName);
    void readFromFile(const QString &fileName);
    void resetDynamicUBs(bool resetLines);
    void readFromDevice();
    // The differences between the window's plan and the switch's, one line
    // each; empty (and errorOccured) when the switch cannot be read.
    QStringList compareWithDevice();
    QStringList availableSatelites();
    QVariantList itemsForSatelite(const QString &name);
    // The transponders of a satellite in table order, each as
    // {transponder, frequency, horizontal}: the band list's entries.
    QVariantList transpondersForSatelite(const QString &name);

private slots:
    void dynamicLinesChanged();
    void dbDataOutdated();

private:
    void createDefaultUBs();
    bool validateData();
    void runDeviceWrite(const std::function<void()> &write);
    // A backup that kept only the switch's replies is worth a warning.
    void reportBackup(const DeviceTransfers::Outcome &outcome);
    void reportNoSatelliteData();
    // Runs one way of getting the satellite data and what follows it: the
    // warnings of the start-up in one box, then the device search or the
    // report that there is no data.
    void start(const std::function<void()> &getData);
    void addStartupWarning(const QString &text);
    void setFetching(bool on);
    void setBusy(bool on);
    class BusyScope;

    UBDataModel *model;
    std::unique_ptr<SqlHandler> sqlHandler;
    std::unique_ptr<SerialPortHandler> serialPortHandler;
    std::unique_ptr<DeviceTransfers> transfers;
    QString lnb1MissingMessage;
    QString lnb2MissingMessage;
    QString staticUnassignedMessage;
    QString dbConnectionMessage;
    bool fetching = false;
    bool busyNow = false;
    bool starting = false;
    QStringList startupWarnings;
    int downloadDeadlineMs;
};
