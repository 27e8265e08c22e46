#pragma once

#include "db/SatelliteSource.h"
#include "db/ServerSettings.h"
#include "device/SerialPortHandler.h"

#include <QString>

// What the window's controller and the command-line tool hand to the
// handlers they create. The defaults are the production ones; tests point
// them at their own server, directory, clock, ports and random source.
struct Environment
{
    // The user's stored server, else the compiled-in one.
    SatelliteSource::Connection connection = ServerSettings().load();
    QString cacheDirectory;
    SatelliteSource::Clock clock = &QDateTime::currentDateTime;
    SerialPortHandler::PortLister portLister = &SerialPortHandler::systemPorts;
    SerialPortHandler::RandomSource random;
    // Where "Save on device" keeps the switch's earlier plans; empty:
    // "backups" in the per-user application data directory.
    QString backupDirectory;
    SerialPortHandler::PortOpener portOpener = &SerialPortHandler::openSystemPort;
    QString deviceRulePath = SerialPortHandler::defaultDeviceRulePath();
    int searchIntervalMs = SerialPortHandler::defaultSearchIntervalMs;
    int downloadDeadlineMs = SatelliteSource::defaultDeadlineMs;
    SatelliteSource::BuiltInLoader builtIn = &SatelliteSource::defaultBuiltIn;
    // Where the server setting is kept; empty: the user's settings.
    QString serverSettingsFile;

    // The production surroundings with the server setting kept in
    // `file` (and read from it) instead of the user's settings.
    static Environment withServerSettingsFile(const QString &file);
};
