#include "FenzoApplication.h"

#include <QIcon>

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    // The file dialogs keep their state in QSettings, which needs an
    // organisation. A domain alone leaves the data directory (and with it the
    // offline cache) where it has always been.
    setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    // Read from the working directory, not from the resources.
    setWindowIcon(QIcon(QStringLiteral("images/satellite_dish_icon.ico")));
}

QString FenzoApplication::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
}
