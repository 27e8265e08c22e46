#include "TransferEnd.h"

#include "db/BuiltInSatellites.h"
#include "device/PlanReadBack.h"
#include "model/PlanComparison.h"

#include <utility>

TransferEnd::TransferEnd(Asked asked, DeviceTransfers::Result result, const SharedCatalogue &data,
                         const BandPlan &compared)
    : asked(asked), result(std::move(result))
{
    if (!done())
        return;
    switch (asked) {
    case Asked::Send:
    case Asked::Store:
    case Asked::Restore:
        notes = this->result.outcome.readBackNotes;
        break;
    case Asked::Compare: {
        const PlanComparison held(compared, this->result.plan);
        comparison = held.lines();
        holdsCompared = held.same();
    }
        Q_FALLTHROUGH();
    case Asked::Read:
        notes << this->result.readNote;
        // Static words name their satellites by id alone.
        if (data)
            notes << SatelliteIdTable::differencesMessage(
                BuiltInSatellites::idTable().differences(*data, this->result.plan.staticSatellites()));
        notes.removeAll(QString());
        break;
    case Asked::CompareWithSent:
        break;
    }
}

QString TransferEnd::sentMessage() const
{
    QStringList lines{asked == Asked::Send ? PlanReadBack::sentAndMatchesMessage()
                                           : DeviceTransfers::storedMessage(result.outcome)};
    lines << notes;
    return lines.join(QLatin1Char('\n'));
}
