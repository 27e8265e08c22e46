#pragma once

#include <QGuiApplication>
#include <QStringList>

class FenzoApplication : public QGuiApplication
{
    Q_OBJECT

public:
    FenzoApplication(int &argc, char **argv);

    // Base name of the translation catalogue for the system's UI languages:
    // German when the first one names "de", English otherwise.
    static QString translationBaseName(const QStringList &uiLanguages);
};
