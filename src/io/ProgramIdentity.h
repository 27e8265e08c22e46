#pragma once

#include <QString>
#include <QStringList>

// What the window and the command-line tool share about the program itself:
// the names its data and settings are kept under, and the catalogue of the
// user's language.
class ProgramIdentity
{
public:
    // Base name of the translation catalogue for the system's UI languages:
    // German when the first one names "de", English otherwise.
    static QString translationBaseName(const QStringList &uiLanguages);
    // The names under which the program keeps its data (offline cache,
    // backups) and settings; both programs share one data directory.
    static void setIdentity();
    // Qt's own catalogues (file dialogs, standard buttons, port errors) in
    // the language of `baseName`'s catalogue, as files of `directory`; none
    // for English, Qt's own language.
    static QStringList qtCatalogueFiles(const QString &baseName, const QString &directory);
    // Installs the catalogue of the system's language, and Qt's catalogues of
    // that language found in Qt's translations folder, once the application
    // object exists and before anything that translates a text does.
    static void installTranslator();
    // The same for the catalogue `baseName` ("fenzo_setup_de"); false when
    // the program's own catalogue cannot be installed.
    static bool installTranslator(const QString &baseName);
};
