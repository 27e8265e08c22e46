#pragma once

#include <QGuiApplication>
#include <QIcon>
#include <QStringList>

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
};
