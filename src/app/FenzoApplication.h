#pragma once

#include <QGuiApplication>
#include <QIcon>
#include <QStringList>

class QQmlEngine;

class FenzoApplication : public QGuiApplication
{
    Q_OBJECT

public:
    FenzoApplication(int &argc, char **argv);

    // Base name of the translation catalogue for the system's UI languages:
    // German when the first one names "de", English otherwise.
    static QString translationBaseName(const QStringList &uiLanguages);

    // The icon in the file at path (relative to the working directory) when it
    // holds one, else the icon compiled into the program.
    static QIcon windowIconFrom(const QString &path);
    // The names under which the program keeps its data (offline cache,
    // backups) and settings; the command-line tool takes them too, so both
    // share one data directory.
    static void setIdentity();
    // Installs the catalogue of the system's language, once the application
    // object exists and before anything that translates a text does.
    static void installTranslator();
    // Before the interface is loaded into the engine: the same controls style
    // under every Qt version, and the file selector "qt6" under Qt 6, which
    // picks the files in qml/+qt6/ over their namesakes.
    static void prepareEngine(QQmlEngine *engine);
    // The wait cursor over every window while `busy`; set at once, since a
    // transfer blocks the event loop that would otherwise apply it.
    static void showBusy(bool busy);
};
