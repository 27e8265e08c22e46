#pragma once

#include "db/SatelliteSource.h"
#include "db/ServerSettings.h"
#include "device/DeviceTransfers.h"
#include "device/SerialPortHandler.h"

#include <QString>

// What the window's controller and the command-line tool hand to the
// handlers they create. The defaults are the production ones, except that
// nothing is read from disk here: production() adds the user's stored
// server where the window and the tool are put together. Tests point them at
// their own server, directory, clock, ports and random source.
struct Environment
{
    // The compiled-in server; production() reads the user's stored one.
    SatelliteSource::Connection connection = SqlHandler::defaultConnection();
    QString cacheDirectory;
    SatelliteSource::Clock clock = &QDateTime::currentDateTime;
    SerialPortHandler::PortLister portLister = &SerialPortHandler::systemPorts;
    DeviceTransfers::RandomSource random;
    // Where "Save on device" keeps the switch's earlier plans; empty:
    // "backups" in the per-user application data directory.
    QString backupDirectory;
    SerialPortHandler::PortOpener portOpener = &SerialPortHandler::openSystemPort;
    QString deviceRulePath = SerialPortHandler::defaultDeviceRulePath();
    int searchIntervalMs = SerialPortHandler::defaultSearchIntervalMs;
    int downloadDeadlineMs = SatelliteSource::defaultDeadlineMs;
    // The program that runs the download in a process of its own (the
    // caller's, started again); empty: a worker thread of this process.
    QString downloadProgram;
    SatelliteSource::BuiltInLoader builtIn = &SatelliteSource::defaultBuiltIn;
    // Where the server setting is kept; empty: the user's settings.
    QString serverSettingsFile;
    // Whether a server was named (see ServerSettings::isChosen()): a failed
    // download is then told beside the logo, not only among the details.
    bool serverChosen = true;
    // The command-line tool shows its transfers' progress on standard error
    // (set where standard error is a terminal: a pipe gets none).
    bool progressOnStandardError = false;

    // The production surroundings: the server the user stored, else the
    // compiled-in one.
    static Environment production();
    // The production surroundings with the server setting kept in
    // `file` (and read from it) instead of the user's settings.
    static Environment withServerSettingsFile(const QString &file);
};
