#include "ProgramIdentity.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Where Qt keeps its catalogues; Debian ships them in qttranslations5-l10n
// and qt6-translations-l10n. Qt 6 has the Quick Controls and Dialogs texts
// in qtdeclarative.
QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

bool install(const QString &file, const QString &directory)
{
    // A child of the application object: it translates until the end and
    // goes with the application.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
} // namespace

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

QStringList ProgramIdentity::qtCatalogueFiles(const QString &baseName, const QString &directory)
{
    const QString language = baseName.mid(baseName.lastIndexOf(QLatin1Char('_')) + 1);
    if (language == QLatin1String("en"))
        return {};
    QStringList files;
    for (const char *module :
         {"qtbase", "qtdeclarative", "qtquickcontrols", "qtquickcontrols2", "qtserialport"}) {
        const QString file =
            QString::fromLatin1(module) + QLatin1Char('_') + language + QStringLiteral(".qm");
        if (QFileInfo::exists(QDir(directory).filePath(file)))
            files << file;
    }
    return files;
}

void ProgramIdentity::installTranslator()
{
    installTranslator(translationBaseName(QLocale::system().uiLanguages()));
}

bool ProgramIdentity::installTranslator(const QString &baseName)
{
    // Qt's catalogues first: a translator installed later is asked first, so
    // the program's own entries (the file dialog's texts Qt lacks) win.
    const QString qtDirectory = qtTranslationsPath();
    for (const QString &file : qtCatalogueFiles(baseName, qtDirectory)) {
        if (!install(file, qtDirectory))
            qCWarning(uiLog).noquote()
                << "Qt's catalogue" << QDir(qtDirectory).filePath(file) << "cannot be loaded";
    }
    return install(baseName, QStringLiteral(":/translations"));
}
