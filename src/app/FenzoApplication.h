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

    // The icon in the file at path (relative to the working directory) when it
    // holds one, else the icon compiled into the program.
    static QIcon windowIconFrom(const QString &path);
    // Before the interface is loaded into the engine: the same controls style
    // under every Qt version, and the file selector "qt6" under Qt 6, which
    // picks the files in qml/+qt6/ over their namesakes.
    static void prepareEngine(QQmlEngine *engine);
};
