#include "SiteChoice.h"

QString SiteChoice::labelList(const QStringList &labels)
{
    if (labels.isEmpty())
        return tr("none");
    QStringList quoted;
    for (const QString &label : labels)
        quoted << tr("\"%1\"").arg(label); // each language's quotation marks
    return quoted.join(QStringLiteral(", "));
}

int SiteChoice::byLabel(const Site &site, const QString &label, QString *refusal)
{
    const int index = site.indexOfLabel(label);
    if (index < 0)
        *refusal = tr("The site has no entry \"%1\".").arg(label);
    return index;
}

int SiteChoice::bySerial(const Site &site, const QString &serial, QString *refusal)
{
    const int index = site.indexOfSerial(serial);
    if (index >= 0)
        return index;
    const QString free = labelList(site.labelsWithoutSerial());
    if (serial.isEmpty())
        *refusal = tr("The switch reports no serial number, so the site cannot tell which entry it is; "
                      "nothing was sent to it. Entries without a serial number yet: %1. Name the entry "
                      "with --label.")
                       .arg(free);
    else
        *refusal = tr("The site does not know the switch %1; nothing was sent to it. Entries without a "
                      "serial number yet: %2. Name the entry with --label.")
                       .arg(serial, free);
    return -1;
}

int SiteChoice::nextFree(const Site &site, const QString &serial, const QStringList &taken, QString *refusal)
{
    const int known = site.indexOfSerial(serial);
    if (known >= 0)
        return known;
    for (int i = 0; i < site.entries.size(); ++i) {
        const SiteEntry &entry = site.entries.at(i);
        if (entry.serial.isEmpty() && !taken.contains(entry.label))
            return i;
    }
    *refusal = tr("No entry of the site is left for the switch %1; nothing was sent to it.").arg(serial);
    return -1;
}
