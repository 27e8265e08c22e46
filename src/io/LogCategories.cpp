#include "LogCategories.h"

Q_LOGGING_CATEGORY(dbLog, "fenzo.db")
Q_LOGGING_CATEGORY(downloadLog, "fenzo.download")
Q_LOGGING_CATEGORY(serverSettingsLog, "fenzo.serversettings")
Q_LOGGING_CATEGORY(deviceLog, "fenzo.device")
Q_LOGGING_CATEGORY(transferLog, "fenzo.transfer")
Q_LOGGING_CATEGORY(uiLog, "fenzo.ui")
Q_LOGGING_CATEGORY(sheetLog, "fenzo.sheet")
Q_LOGGING_CATEGORY(fileLog, "fenzo.file")
