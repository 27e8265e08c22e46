#include "FenzoApplication.h"

#include <QIcon>
#include <QLocale>
#include <QTranslator>

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    setIdentity();
    // Read from the working directory, not from the resources.
    setWindowIcon(QIcon(QStringLiteral("images/satellite_dish_icon.ico")));
}

QString FenzoApplication::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
}

void FenzoApplication::setIdentity()
{
    // The file dialogs keep their state in QSettings, which needs an
    // organisation. A domain alone leaves the data directory (and with it the
    // offline cache) where it has always been.
    QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QCoreApplication::setApplicationName(QStringLiteral("fenzo_setup"));
}

void FenzoApplication::installTranslator()
{
    // It lives as long as the process.
    auto *translator = new QTranslator;
    if (translator->load(translationBaseName(QLocale::system().uiLanguages()), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
