#pragma once

#include <QByteArray>
#include <QString>

// Where a switch hangs, as far as the program knows when it backs up the
// switch's plan: the site file in use, the site's name and the label of the
// switch's entry. Kept beside the backup in a side file of the backup's name
// plus ".where.txt", so that a backup found years later says where it came
// from; the backup itself stays as it always was.
struct BackupPlace
{
    QString siteFile;
    QString site;
    QString label;

    bool isEmpty() const { return siteFile.isEmpty() && site.isEmpty() && label.isEmpty(); }

    // The side file's three UTF-8 lines "site file: …", "site: …",
    // "label: …". They are a file format, not a message: the same in every
    // language, and each value kept on its line (line breaks escaped).
    QByteArray text() const;
    // The side file of the backup at `backupPath`.
    static QString sidePath(const QString &backupPath);

    friend bool operator==(const BackupPlace &a, const BackupPlace &b)
    {
        return a.siteFile == b.siteFile && a.site == b.site && a.label == b.label;
    }
    friend bool operator!=(const BackupPlace &a, const BackupPlace &b) { return !(a == b); }
};
