#pragma once

#include <QGuiApplication>
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

    // Before the interface is loaded into the engine: the same controls style
    // under every Qt version, and the file selector "qt6" under Qt 6, which
    // picks the files in qml/+qt6/ over their namesakes.
    static void prepareEngine(QQmlEngine *engine);
};
