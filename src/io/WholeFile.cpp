#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

bool WholeFile::write(const QString &path, const QByteArray &bytes, QString *reason)
{
    if (path.isEmpty()) {
        *reason = QCoreApplication::translate("WholeFile", "no file name");
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write that meets it: a
    // buffered write can fail inside commit() only, and was seen to leave an
    // empty file there.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

QString WholeFile::outOfMemoryReason()
{
    return QCoreApplication::translate("WholeFile", "out of memory");
}

QString WholeFile::readFailure(const QString &path, const QString &reason)
{
    return tr("The file %1 cannot be read (%2).").arg(QDir::toNativeSeparators(path), reason);
}

QString WholeFile::writeFailure(const QString &path, const QString &reason)
{
    return tr("The file %1 cannot be written (%2).").arg(QDir::toNativeSeparators(path), reason);
}
