#include "InstallationSheet.h"

#include "SheetPainter.h"
#include "SheetView.h"
#include "model/UBDataModel.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>
#include <QtQml>
#include <functional>

#include <utility>

InstallationSheet::InstallationSheet(const UBDataModel *model, const SqlHandler *database, DateSource today,
                                     QObject *parent)
    : QObject(parent), model(model), database(database), today(std::move(today))
{
    connect(model, &UBDataModel::dataChanged, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::listChanged, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::lnb1Changed, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::lnb2Changed, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::lteFilterChanged, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::terrestrialPatchActiveChanged, this, &InstallationSheet::changed);
    connect(model, &UBDataModel::standByChanged, this, &InstallationSheet::changed);
    connect(model, qOverload<>(&UBDataModel::serialNumberChanged), this, &InstallationSheet::changed);
}

SheetContent InstallationSheet::content() const
{
    return SheetContent::build(*model, database, today());
}

void InstallationSheet::registerTypes()
{
    qmlRegisterType<SheetView>("Fenzo.Sheet", 1, 0, "SheetView");
    qmlRegisterUncreatableType<InstallationSheet>("Fenzo.Sheet", 1, 0, "InstallationSheet",
                                                  QStringLiteral("the program provides installationSheet"));
}

QString InstallationSheet::localPath(const QString &fileUrl, const QString &suffix)
{
    const QUrl url(fileUrl);
    QString path = url.isLocalFile() ? url.toLocalFile() : fileUrl;
    // A folder stays a folder, so that saving into it fails with a message.
    const QFileInfo info(path);
    if (!path.isEmpty() && info.suffix().isEmpty() && !info.isDir())
        path += QLatin1Char('.') + suffix;
    return path;
}

namespace {
// Writes through a QSaveFile, so a failure leaves no half-written file.
bool saveThrough(const QString &path, const std::function<bool(QSaveFile &)> &write, QString &reason)
{
    if (path.isEmpty()) {
        reason = QStringLiteral("no file name");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (!write(file)) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
} // namespace

bool InstallationSheet::savePdf(const QString &fileUrl)
{
    const QString path = localPath(fileUrl, QStringLiteral("pdf"));
    const SheetContent sheet = content();
    QString reason;
    if (saveThrough(
            path, [&](QSaveFile &file) { return SheetPainter::writePdf(&file, sheet); }, reason))
        return true;
    emit errorOccured(tr("The installation sheet could not be saved as %1 (%2).")
                          .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

bool InstallationSheet::savePicture(const QString &fileUrl)
{
    const QString path = localPath(fileUrl, QStringLiteral("png"));
    const QImage image = SheetPainter::renderPicture(content(), 2);
    QString reason;
    if (saveThrough(
            path, [&](QSaveFile &file) { return image.save(&file, "PNG"); }, reason))
        return true;
    emit errorOccured(
        tr("The picture could not be saved as %1 (%2).").arg(QDir::toNativeSeparators(path), reason));
    return false;
}
