#include "SiteSheet.h"

#include "InstallationSheet.h"
#include "SheetPainter.h"
#include "io/WholeFile.h"

#include <QBuffer>
#include <QDir>

SheetCover SiteSheet::cover(const Site &site)
{
    SheetCover cover;
    cover.title = site.name;
    // The sheet stays with the installer and the building: the note (its
    // address, the way in) belongs on it.
    cover.note = site.note;
    cover.header = QStringList{tr("Switch"), tr("Serial number"), tr("Last stored"), tr("Read back")};
    const QString none = QStringLiteral("-");
    for (const SiteEntry &entry : site.entries) {
        cover.rows << QStringList{entry.label, entry.serial.isEmpty() ? none : entry.serial,
                                  entry.isStored() ? entry.stored.toString(Qt::ISODate) : none,
                                  entry.isStored() && entry.readBack ? tr("read back") : none};
    }
    return cover;
}

SheetContent SiteSheet::content(const SiteEntry &entry, const BandPlan &plan, const SatelliteCatalogue &data,
                                const QDate &date, const OwnTransponders &own)
{
    SheetContent content = SheetContent::build(plan, data, date, own);
    content.label = entry.label;
    content.deviceConnected = !entry.serial.isEmpty();
    content.serialNumber = entry.serial;
    return content;
}

bool SiteSheet::savePdf(const QString &path, const Site &site, const QVector<SheetContent> &sheets,
                        QString *error)
{
    // Made in memory first: only whole bytes reach the disk.
    QBuffer buffer;
    QString reason;
    if (!buffer.open(QIODevice::WriteOnly) || !SheetPainter::writePdf(&buffer, cover(site), sheets))
        reason = InstallationSheet::notDrawnReason();
    else if (WholeFile::write(path, buffer.data(), &reason))
        return true;
    *error =
        tr("The site's sheet could not be saved as %1 (%2).").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

QString SiteSheet::pictureRefusedMessage()
{
    return tr("A site's sheet is a PDF of several pages; it cannot be saved as a picture (.png).");
}
