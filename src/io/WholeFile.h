#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: it is written whole, or
// the file that was there before stays byte for byte as it was.
class WholeFile
{
public:
    // Writes `bytes` to `path` beside the old file and renames it over the
    // old one only when every byte is on disk. On failure returns false and
    // sets `reason` to the system's words ("No space left on device").
    static bool write(const QString &path, const QByteArray &bytes, QString *reason);
    // The reason to give when the bytes could not even be made in memory.
    static QString outOfMemoryReason();
};
