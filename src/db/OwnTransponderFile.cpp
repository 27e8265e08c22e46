#include "OwnTransponderFile.h"

#include "io/WholeFile.h"

#include <QFile>
#include <QStandardPaths>

QString OwnTransponderFile::pathIn(const QString &directory)
{
    const QString folder = directory.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                               : directory;
    return folder + QStringLiteral("/own_transponders.txt");
}

QString OwnTransponderFile::unreadable(const QFile &file) const
{
    return tr("The own transponders in %1 cannot be read (%2).").arg(filePath, file.errorString());
}

bool OwnTransponderFile::read(OwnTransponders *result, QString *reason) const
{
    QFile file(filePath);
    if (!file.exists()) {
        *result = OwnTransponders();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = unreadable(file);
        return false;
    }
    // One byte more than allowed tells a file that is too large.
    const QByteArray bytes = file.read(OwnTransponders::maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = unreadable(file);
        return false;
    }
    QString problem;
    if (!OwnTransponders::fromText(bytes, result, &problem)) {
        *reason = tr("The own transponders in %1 are damaged: %2").arg(filePath, problem);
        return false;
    }
    return true;
}

bool OwnTransponderFile::write(const OwnTransponders &transponders, QString *reason) const
{
    QString problem;
    if (!WholeFile::write(filePath, transponders.toText(), &problem) ||
        !QFile::setPermissions(filePath, QFile::ReadOwner | QFile::WriteOwner)) {
        *reason = tr("The own transponders could not be saved to %1 (%2).")
                      .arg(filePath, problem.isEmpty() ? tr("permissions not set") : problem);
        return false;
    }
    return true;
}
