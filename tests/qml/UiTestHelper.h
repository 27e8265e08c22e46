#pragma once

#include "controller/UBModelController.h"

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>

// Files the interface tests need, written independently of the program's own
// writers: the offline satellite cache and settings files.
class UiTestHelper : public QObject
{
    Q_OBJECT

public:
    explicit UiTestHelper(QString directory, QObject *parent = nullptr);

    // Writes the offline cache with three satellites into the directory.
    bool writeSatelliteCache() const;

    // The controller's surroundings for these files: the cache in the
    // directory, a server host name that fails at once, no serial ports and a
    // fixed random source.
    UBModelController::Environment offlineEnvironment() const;

    // A settings file with the default plan of 24 dynamic UBs and the given
    // satellite names; returns its file URL as a file dialog hands it over.
    Q_INVOKABLE QString writeSettingsFile(const QString &fileName, const QString &lnb1,
                                          const QString &lnb2) const;

    // A site file holding one switch with that plan file's plan, `label`
    // and serial number, stored and read back; returns its file URL.
    Q_INVOKABLE QString writeSiteFile(const QString &fileName, const QString &label,
                                      const QString &serial) const;

    // The texts a window titled `title` shows (every visible item's text,
    // title and placeholder), for checks of its language; empty while no
    // such window is shown.
    Q_INVOKABLE QStringList windowTexts(const QString &title) const;

    // The colours (#aarrggbb) of the picture's pixels in the area (scene
    // coordinates, widened to whole pixels and by one pixel around), row by
    // row; empty when the area does not lie within the picture.
    Q_INVOKABLE QStringList pixelsAround(const QImage &picture, const QRectF &area) const;

private:
    QString directory;
};
