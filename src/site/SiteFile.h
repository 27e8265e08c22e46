#pragma once

#include "Site.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class SiteChange;

// A site file (".fsite"): one building's switches as a JSON document.
//
//   { "format": 1, "name": "...", "note": "...",
//     "switches": [ { "label": "...", "plan": "<base64 of the settings file>",
//                     "summary": "...", "serial": "...", "stored": "YYYY-MM-DD",
//                     "readBack": true }, ... ] }
//
// "plan" holds the settings file's bytes as they were added, so an export
// gives exactly those bytes back. "summary" is the plan in words for a person
// reading the file; it is written from the plan and ignored when read. A
// missing or empty "name" reads as the file's base name; "serial" and "stored"
// are left out until the entry was stored.
//
// The reader is bounded (file size, entries, text lengths) and refuses a
// damaged file with a translated reason naming it; such a file is never
// written over. Every write re-reads the file and applies the change to it as
// it is then (see SiteChange), through QSaveFile: the file is replaced whole
// or stays as it was. A lock file beside it (name + ".lock", there only while
// a change is written) keeps two programs from re-reading the same old file
// and writing over each other's change.
class SiteFile
{
    Q_DECLARE_TR_FUNCTIONS(SiteFile)

public:
    static constexpr int formatVersion = 1;
    static constexpr qint64 maxFileBytes = 4 * 1024 * 1024;
    static constexpr int maxEntries = 256;
    // A settings file holds 24 records of about 40 bytes and two names.
    static constexpr int maxPlanBytes = 64 * 1024;
    static constexpr int maxLabelLength = 200;
    static constexpr int maxNameLength = 200;
    static constexpr int maxNoteLength = 4000;
    static constexpr int maxSerialLength = 64;

    // The extension, without the dot.
    static QString suffix() { return QStringLiteral("fsite"); }

    // How long a change waits for another program's change to the same
    // file to end (it takes milliseconds) before it gives up.
    static constexpr int defaultLockWaitMs = 1000;

    explicit SiteFile(const QString &path, int lockWaitMs = defaultLockWaitMs);
    QString path() const { return m_path; }

    // Reads the file into `site`. False with a translated reason naming the
    // file (missing, unreadable, too big, not JSON, a newer or unknown format,
    // a missing, empty, over-long or repeated label, a plan that is not base64
    // or not a settings file, a bad date, too many entries, an over-long text).
    bool read(Site *site, QString *reason) const;
    // Re-reads the file, applies `change` and writes the result whole. A
    // missing file is created for an add only. False with a translated reason,
    // and the file as it was, when the file does not read, the change is
    // refused or the write fails. `written`, when given, gets the site as
    // written (the caller's new view of the file).
    bool apply(const SiteChange &change, QString *reason, Site *written = nullptr) const;

    // The reader and the writer on bytes, for the fuzz target and the
    // tests. `path` names the file in messages and gives the default name.
    static bool fromJson(const QByteArray &bytes, const QString &path, Site *site, QString *reason);
    static QByteArray toJson(const Site &site);
    // Whether `plan` is a settings file this program can read (bounded by
    // maxPlanBytes); false with a translated reason naming `path`.
    static bool checkPlan(const QByteArray &plan, const QString &path, QString *reason);
    // Reads a settings file from disk for a new entry: bounded by
    // maxPlanBytes and checked as checkPlan does.
    static bool readPlanFile(const QString &path, QByteArray *plan, QString *reason);
    // The plan in words, as the file's "summary" gives it: the satellites of
    // the two inputs and each UB.
    static QString summary(const QByteArray &plan);

private:
    bool applyLocked(const SiteChange &change, QString *reason, Site *written) const;

    QString m_path;
    int m_lockWaitMs;
};
