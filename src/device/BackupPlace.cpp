#include "BackupPlace.h"

#include "io/PrintableText.h"

#include <QDir>

QByteArray BackupPlace::text() const
{
    const auto line = [](const char *name, const QString &value) {
        return QByteArray(name) + PrintableText::escaped(value).toUtf8() + '\n';
    };
    return line("site file: ", QDir::toNativeSeparators(siteFile)) + line("site: ", site) +
           line("label: ", label);
}

QString BackupPlace::sidePath(const QString &backupPath)
{
    return backupPath + QStringLiteral(".where.txt");
}
