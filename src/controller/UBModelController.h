#pragma once

#include "DeviceTransfers.h"
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
    };

    explicit UBModelController(UBDataModel *model);
    UBModelController(UBDataModel *model, Environment environment);
    ~UBModelController() override;

    // Downloads (or loads) the satellite data and, when that worked, starts
    // looking for the switch. Called once, after the interface is loaded.
    void initialize();

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
    void staticUBsChanged(bool above);
    void deviceFound();
    void deviceMissing();
    void noInternetConnection();

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
    void reportNoSatelliteData();

    UBDataModel *model;
    std::unique_ptr<SqlHandler> sqlHandler;
    std::unique_ptr<SerialPortHandler> serialPortHandler;
    std::unique_ptr<DeviceTransfers> transfers;
    QString lnb1MissingMessage;
    QString lnb2MissingMessage;
    QString staticUnassignedMessage;
    QString dbConnectionMessage;
};
