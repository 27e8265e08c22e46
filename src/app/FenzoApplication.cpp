#include "FenzoApplication.h"

#include <QIcon>

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    // Read from the working directory, not from the resources.
    setWindowIcon(QIcon(QStringLiteral("images/satellite_dish_icon.ico")));
}

QString FenzoApplication::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
}
