#pragma once

#include "SiteEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

class Site;

// One change to a site, made by the window or the tool and applied by
// SiteFile to the file as it is on disk at the moment of writing, not to the
// copy the caller once read: so two programs that change different entries
// keep each other's changes.
//
// A change that touches an existing entry carries the plan bytes the caller
// read for it (`planRead`). It is refused when the entry's plan in the file
// differs from those bytes, because someone changed that plan since; a change
// to another entry, or to the site's name or note, never conflicts.
class SiteChange
{
    Q_DECLARE_TR_FUNCTIONS(SiteChange)

public:
    enum class Kind
    {
        Add,
        Remove,
        ReplacePlan,
        Rename,
        SetName,
        SetNote,
        RecordStore
    };

    // A new entry at the end, with its label and plan (whatever else
    // `entry` holds is kept too). Refused when the label is taken. The only
    // change that creates a missing file.
    static SiteChange add(const SiteEntry &entry);
    static SiteChange remove(const QString &label, const QByteArray &planRead);
    // The entry gets a new plan; what its last store recorded no longer
    // describes that plan, so the serial number stays and the store's date
    // and read-back are cleared.
    static SiteChange replacePlan(const QString &label, const QByteArray &planRead, const QByteArray &plan);
    // Refused when the new label is empty or taken by another entry.
    static SiteChange rename(const QString &label, const QByteArray &planRead, const QString &newLabel);
    static SiteChange setName(const QString &name);
    static SiteChange setNote(const QString &note);
    // The entry's plan was stored into the switch with this serial number
    // (empty when it reports none) on `stored`, and read back (or not).
    static SiteChange recordStore(const QString &label, const QByteArray &planRead, const QString &serial,
                                  const QDate &stored, bool readBack);

    Kind kind() const { return m_kind; }
    // The label of the entry the change touches (the new entry's for add);
    // empty for the name and the note.
    QString label() const { return m_entry.label; }

    // Applies the change to `site`. False, `site` untouched and a translated
    // reason naming the label when the entry is missing, its plan changed
    // since it was read, or the label is taken or empty. The plan bytes are
    // not checked here: SiteFile refuses to write a site it could not read.
    bool applyTo(Site *site, QString *reason) const;

private:
    SiteChange(Kind kind, const SiteEntry &entry) : m_kind(kind), m_entry(entry) {}
    bool planStillAsRead(const Site &site, int index, QString *reason) const;
    void forgetSerialElsewhere(Site *site, int kept) const;

    Kind m_kind;
    // The entry as the change wants it: label and plan for add, the label,
    // the new plan, the serial, the date and the read-back for the others.
    SiteEntry m_entry;
    QByteArray m_planRead;
    // The new label (rename), the site's name or note.
    QString m_text;
};
