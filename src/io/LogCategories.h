#pragma once

#include <QLoggingCategory>

// The program's diagnostics, one category per part, so that one part's
// messages can be turned on or off (QT_LOGGING_RULES="fenzo.device.debug=false").
// Every category is named "fenzo.<part>"; the log ring keeps their lines.
Q_DECLARE_LOGGING_CATEGORY(dbLog)             // fenzo.db: the satellite data, server and cache
Q_DECLARE_LOGGING_CATEGORY(downloadLog)       // fenzo.download: the download's worker thread
Q_DECLARE_LOGGING_CATEGORY(serverSettingsLog) // fenzo.serversettings: the stored server
Q_DECLARE_LOGGING_CATEGORY(deviceLog)         // fenzo.device: finding, opening and losing the switch
Q_DECLARE_LOGGING_CATEGORY(transferLog)       // fenzo.transfer: the lines exchanged with the switch
Q_DECLARE_LOGGING_CATEGORY(uiLog)             // fenzo.ui: the window
Q_DECLARE_LOGGING_CATEGORY(sheetLog)          // fenzo.sheet: the installation sheet
Q_DECLARE_LOGGING_CATEGORY(fileLog)           // fenzo.file: settings files and reports
