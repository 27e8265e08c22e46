#include "SiteChange.h"

#include "Site.h"

SiteChange SiteChange::add(const SiteEntry &entry)
{
    return SiteChange(Kind::Add, entry);
}

SiteChange SiteChange::remove(const QString &label, const QByteArray &planRead)
{
    SiteChange change(Kind::Remove, SiteEntry{label, {}, {}, {}, false});
    change.m_planRead = planRead;
    return change;
}

SiteChange SiteChange::replacePlan(const QString &label, const QByteArray &planRead, const QByteArray &plan)
{
    SiteChange change(Kind::ReplacePlan, SiteEntry{label, plan, {}, {}, false});
    change.m_planRead = planRead;
    return change;
}

SiteChange SiteChange::rename(const QString &label, const QByteArray &planRead, const QString &newLabel)
{
    SiteChange change(Kind::Rename, SiteEntry{label, {}, {}, {}, false});
    change.m_planRead = planRead;
    change.m_text = newLabel;
    return change;
}

SiteChange SiteChange::setName(const QString &name)
{
    SiteChange change(Kind::SetName, SiteEntry{});
    change.m_text = name;
    return change;
}

SiteChange SiteChange::setNote(const QString &note)
{
    SiteChange change(Kind::SetNote, SiteEntry{});
    change.m_text = note;
    return change;
}

SiteChange SiteChange::recordStore(const QString &label, const QByteArray &planRead, const QString &serial,
                                   const QDate &stored, bool readBack)
{
    SiteChange change(Kind::RecordStore, SiteEntry{label, {}, serial, stored, readBack});
    change.m_planRead = planRead;
    return change;
}

void SiteChange::forgetSerialElsewhere(Site *site, int kept) const
{
    // A switch hangs in one place: an entry that named it before no longer
    // describes what it holds, and a store by serial must find this one.
    if (m_entry.serial.isEmpty())
        return;
    for (int i = 0; i < site->entries.size(); ++i) {
        SiteEntry &other = site->entries[i];
        if (i != kept && other.serial == m_entry.serial)
            other = SiteEntry{other.label, other.plan, {}, {}, false};
    }
}

bool SiteChange::planStillAsRead(const Site &site, int index, QString *reason) const
{
    if (index < 0) {
        *reason = tr("The site has no switch labelled \"%1\" (any more).").arg(m_entry.label);
        return false;
    }
    if (site.entries.at(index).plan != m_planRead) {
        *reason = tr("The plan of \"%1\" was changed in the site file by another program since it was read. "
                     "Open the site again and repeat the change.")
                      .arg(m_entry.label);
        return false;
    }
    return true;
}

namespace {
QString labelTaken(const QString &label)
{
    return SiteChange::tr("The site already has a switch labelled \"%1\".").arg(label);
}

QString noLabel()
{
    return SiteChange::tr("A switch of a site needs a label.");
}
} // namespace

bool SiteChange::applyTo(Site *site, QString *reason) const
{
    const int index = site->indexOfLabel(m_entry.label);
    switch (m_kind) {
    case Kind::SetName:
        site->name = m_text;
        return true;
    case Kind::SetNote:
        site->note = m_text;
        return true;
    case Kind::Add:
        if (m_entry.label.isEmpty()) {
            *reason = noLabel();
            return false;
        }
        if (index >= 0) {
            *reason = labelTaken(m_entry.label);
            return false;
        }
        site->entries.append(m_entry);
        return true;
    default:
        break;
    }
    if (!planStillAsRead(*site, index, reason))
        return false;
    SiteEntry &entry = site->entries[index];
    switch (m_kind) {
    case Kind::Remove:
        site->entries.removeAt(index);
        break;
    case Kind::ReplacePlan:
        entry.plan = m_entry.plan;
        entry.stored = QDate();
        entry.readBack = false;
        break;
    case Kind::Rename:
        if (m_text.isEmpty()) {
            *reason = noLabel();
            return false;
        }
        if (m_text != m_entry.label && site->indexOfLabel(m_text) >= 0) {
            *reason = labelTaken(m_text);
            return false;
        }
        entry.label = m_text;
        break;
    case Kind::RecordStore:
        entry.serial = m_entry.serial;
        entry.stored = m_entry.stored;
        entry.readBack = m_entry.readBack;
        forgetSerialElsewhere(site, index);
        break;
    default:
        break;
    }
    return true;
}
