#include "SiteCommand.h"

#include "io/WholeFile.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"

#include <QDir>

namespace {
constexpr int success = 0;
constexpr int failure = 2;
const QString none = QStringLiteral("-");
} // namespace

SiteCommand::SiteCommand(ToolOutput &output) : output(output) {}

QString SiteCommand::usage()
{
    return tr("Sites (the switches of one building in one .fsite file; a LABEL or TEXT\n"
              "beginning with \"-\" follows \"--\"):\n"
              "  site list FILE                one line per switch: label, serial number,\n"
              "                                last stored (YYYY-MM-DD), \"read back\";\n"
              "                                \"-\" where there is none\n"
              "  site add FILE LABEL PLAN.dat  adds the settings file as a new switch\n"
              "                                (creates FILE when it does not exist)\n"
              "  site remove FILE LABEL        removes the switch of that label\n"
              "  site export FILE LABEL OUT.dat\n"
              "                                writes the switch's settings file, byte for\n"
              "                                byte as it was added\n"
              "  site name FILE TEXT           sets the site's name\n"
              "  site note FILE TEXT           sets the site's note (address, access)\n");
}

int SiteCommand::run(const QStringList &arguments)
{
    const QString verb = arguments.value(0);
    const int count = arguments.size();
    const auto is = [&](const char *name, int wanted) {
        return verb == QLatin1String(name) && count == wanted;
    };
    if (is("list", 2))
        return list(arguments.at(1));
    if (is("add", 4))
        return add(arguments.at(1), arguments.at(2), arguments.at(3));
    if (is("remove", 3))
        return remove(arguments.at(1), arguments.at(2));
    if (is("export", 4))
        return exportPlan(arguments.at(1), arguments.at(2), arguments.at(3));
    if (is("name", 3))
        return apply(arguments.at(1), SiteChange::setName(arguments.at(2)));
    if (is("note", 3))
        return apply(arguments.at(1), SiteChange::setNote(arguments.at(2)));
    output.note(tr("Use site list FILE, site add FILE LABEL PLAN.dat, site remove FILE LABEL, "
                   "site export FILE LABEL OUT.dat, site name FILE TEXT or site note FILE TEXT."));
    return failure;
}

int SiteCommand::list(const QString &path)
{
    Site site;
    QString reason;
    if (!SiteFile(path).read(&site, &reason)) {
        output.note(reason);
        return failure;
    }
    for (const SiteEntry &entry : site.entries) {
        output.fields({entry.label, entry.serial.isEmpty() ? none : entry.serial,
                       entry.isStored() ? entry.stored.toString(QStringLiteral("yyyy-MM-dd")) : none,
                       entry.readBack ? QStringLiteral("read back") : none});
    }
    return success;
}

int SiteCommand::add(const QString &path, const QString &label, const QString &planPath)
{
    QByteArray plan;
    QString reason;
    if (!SiteFile::readPlanFile(planPath, &plan, &reason)) {
        output.note(reason);
        return failure;
    }
    return apply(path, SiteChange::add(SiteEntry{label, plan, {}, {}, false}));
}

bool SiteCommand::readEntry(const QString &path, const QString &label, Site *site, int *index)
{
    QString reason;
    if (!SiteFile(path).read(site, &reason)) {
        output.note(reason);
        return false;
    }
    *index = site->indexOfLabel(label);
    if (*index < 0)
        output.note(
            tr("The site file %1 has no switch labelled \"%2\".").arg(QDir::toNativeSeparators(path), label));
    return *index >= 0;
}

int SiteCommand::remove(const QString &path, const QString &label)
{
    Site site;
    int index = -1;
    if (!readEntry(path, label, &site, &index))
        return failure;
    return apply(path, SiteChange::remove(label, site.entries.at(index).plan));
}

int SiteCommand::exportPlan(const QString &path, const QString &label, const QString &outPath)
{
    Site site;
    int index = -1;
    if (!readEntry(path, label, &site, &index))
        return failure;
    QString reason;
    if (!WholeFile::write(outPath, site.entries.at(index).plan, &reason)) {
        output.note(WholeFile::writeFailure(outPath, reason));
        return failure;
    }
    return success;
}

int SiteCommand::apply(const QString &path, const SiteChange &change)
{
    QString reason;
    if (SiteFile(path).apply(change, &reason))
        return success;
    output.note(reason);
    return failure;
}
