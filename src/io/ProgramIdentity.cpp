#include "ProgramIdentity.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QString ProgramIdentity::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
}

void ProgramIdentity::setIdentity()
{
    // The file dialogs keep their state in QSettings, which needs an
    // organisation. A domain alone leaves the data directory (and with it the
    // offline cache) where it has always been.
    QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QCoreApplication::setApplicationName(QStringLiteral("fenzo_setup"));
}

void ProgramIdentity::installTranslator()
{
    // A child of the application object: it translates until the end and
    // goes with the application.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(translationBaseName(QLocale::system().uiLanguages()), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
