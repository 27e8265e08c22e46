#include "OwnTransponderCommand.h"

#include "db/OwnTransponderFile.h"
#include "service/SatelliteData.h"

namespace {
constexpr int success = 0;
constexpr int failure = 2;
} // namespace

OwnTransponderCommand::OwnTransponderCommand(ToolOutput &output, QString path, DataLoader data)
    : output(output), path(std::move(path)), data(std::move(data))
{
}

QString OwnTransponderCommand::usage()
{
    return tr("Own transponders (stored next to the offline cache, added to any satellite data):\n"
              "  transponder add SATELLITE FREQ POL\n"
              "                                adds a transponder (10700-12750 MHz; H, V, L\n"
              "                                or R) to the satellite of that name\n"
              "  transponder list              one line per own transponder: satellite,\n"
              "                                frequency, polarisation\n"
              "  transponder remove SATELLITE FREQ POL\n"
              "                                removes an own transponder\n");
}

int OwnTransponderCommand::run(const QStringList &arguments)
{
    const QString action = arguments.value(0);
    OwnTransponder entry;
    if (action == QLatin1String("list") && arguments.size() == 1)
        return list();
    if (action == QLatin1String("add") && parse(arguments, &entry))
        return add(entry);
    if (action == QLatin1String("remove") && parse(arguments, &entry))
        return remove(entry);
    if ((action != QLatin1String("add") && action != QLatin1String("remove")) || arguments.size() != 4)
        output.note(tr("Use transponder add|remove SATELLITE FREQ POL, or transponder list."));
    return failure;
}

bool OwnTransponderCommand::parse(const QStringList &arguments, OwnTransponder *entry)
{
    if (arguments.size() != 4)
        return false;
    bool number = false;
    entry->satellite = arguments.at(1);
    entry->frequency = arguments.at(2).toUInt(&number);
    entry->polarisation = Polarisation::fromText(arguments.at(3));
    if (!number)
        output.note(tr("The frequency %1 is not a whole number of MHz.").arg(arguments.at(2)));
    else if (!entry->polarisation.isKnown())
        output.note(OwnTransponders::polarisationMessage());
    return number && entry->polarisation.isKnown();
}

bool OwnTransponderCommand::load(OwnTransponders *own)
{
    QString reason;
    if (OwnTransponderFile(path).read(own, &reason))
        return true;
    // A damaged file is never written over: what it holds stays for mending.
    output.note(reason);
    return false;
}

bool OwnTransponderCommand::save(const OwnTransponders &own)
{
    QString reason;
    if (OwnTransponderFile(path).write(own, &reason))
        return true;
    output.note(reason);
    return false;
}

int OwnTransponderCommand::add(const OwnTransponder &entry)
{
    // The file first: a damaged one ends the command before any download.
    OwnTransponders own;
    if (!load(&own))
        return failure;
    SatelliteData *satellites = data();
    if (!satellites)
        return failure;
    const SatelliteData::Adding adding = satellites->addOwnTransponder(entry);
    if (adding.listedTwice)
        output.note(tr("This transponder is already one of the own transponders."));
    else if (!adding.refusal.isEmpty())
        output.note(adding.refusal);
    return adding.listedTwice || !adding.refusal.isEmpty() ? failure : success;
}

int OwnTransponderCommand::list()
{
    OwnTransponders own;
    if (!load(&own))
        return failure;
    for (const OwnTransponder &entry : own.entries())
        output.fields({entry.satellite, QString::number(entry.frequency), entry.polarisation.letter()});
    return success;
}

int OwnTransponderCommand::remove(const OwnTransponder &entry)
{
    OwnTransponders own;
    if (!load(&own))
        return failure;
    if (!own.remove(entry)) {
        output.note(tr("There is no own transponder %1 MHz %2 on %3.")
                        .arg(entry.frequency)
                        .arg(entry.polarisation.letter(), entry.satellite));
        return failure;
    }
    return save(own) ? success : failure;
}
