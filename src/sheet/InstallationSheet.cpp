#include "InstallationSheet.h"

#include "SheetPainter.h"
#include "SheetView.h"
#include "io/LocalPath.h"
#include "io/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QtQml>
#include <functional>

#include <utility>

InstallationSheet::InstallationSheet(CatalogueSource catalogue, DateSource today, QObject *parent,
                                     OwnSource own, SwitchSource connectedSwitch)
    : QObject(parent), catalogue(std::move(catalogue)), today(std::move(today)), own(std::move(own)),
      connectedSwitch(std::move(connectedSwitch))
{
}

void InstallationSheet::setPlan(const BandPlan &plan)
{
    if (plan == shown)
        return;
    shown = plan;
    emit changed();
}

SheetContent InstallationSheet::content() const
{
    const SharedCatalogue data = catalogue ? catalogue() : nullptr;
    SheetContent content = SheetContent::build(shown, data ? *data : SatelliteCatalogue(), today(),
                                               own ? own() : OwnTransponders());
    const std::optional<QString> serial = connectedSwitch ? connectedSwitch() : std::nullopt;
    content.deviceConnected = serial.has_value();
    content.serialNumber = serial.value_or(QString());
    return content;
}

void InstallationSheet::registerTypes()
{
    qmlRegisterType<SheetView>("Fenzo.Sheet", 1, 0, "SheetView");
    qmlRegisterUncreatableType<InstallationSheet>("Fenzo.Sheet", 1, 0, "InstallationSheet",
                                                  QStringLiteral("the program provides the singleton Sheet"));
}

QString InstallationSheet::localPath(const QString &fileUrl, const QString &suffix)
{
    QString path = LocalPath::fromUrlText(fileUrl);
    // A folder stays a folder, so that saving into it fails with a message.
    const QFileInfo info(path);
    if (!path.isEmpty() && info.suffix().isEmpty() && !info.isDir())
        path += QLatin1Char('.') + suffix;
    return path;
}

QString InstallationSheet::notDrawnReason()
{
    return tr("the sheet could not be drawn");
}

bool InstallationSheet::savePdf(const QString &fileUrl)
{
    const QString path = localPath(fileUrl, QStringLiteral("pdf"));
    const SheetContent sheet = content();
    // Made in memory first: only whole bytes reach the disk.
    QBuffer buffer;
    QString reason;
    if (!buffer.open(QIODevice::WriteOnly) || !SheetPainter::writePdf(&buffer, sheet))
        reason = notDrawnReason();
    else if (WholeFile::write(path, buffer.data(), &reason))
        return true;
    emit errorOccured(tr("The installation sheet could not be saved as %1 (%2).")
                          .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

bool InstallationSheet::savePicture(const QString &fileUrl)
{
    const QString path = localPath(fileUrl, QStringLiteral("png"));
    const QImage image = SheetPainter::renderPicture(content(), 2);
    QBuffer buffer;
    QString reason;
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        reason = tr("the picture could not be drawn");
    else if (WholeFile::write(path, buffer.data(), &reason))
        return true;
    emit errorOccured(
        tr("The picture could not be saved as %1 (%2).").arg(QDir::toNativeSeparators(path), reason));
    return false;
}
