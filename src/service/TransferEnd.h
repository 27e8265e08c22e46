#pragma once

#include "device/DeviceTransfers.h"
#include "model/SatelliteCatalogue.h"

#include <QString>
#include <QStringList>

// What the end of a transfer says besides its result, composed once for the
// window and the tool; each shows these lines in its own way.
class TransferEnd
{
public:
    // What the transfer was asked to do.
    enum class Asked
    {
        Send,
        Store,
        Restore,
        Read,
        Compare,
        CompareWithSent
    };

    TransferEnd() = default;
    // `data` are the satellite data the transfer started with; `compared`
    // the plan a comparison holds against the switch's.
    TransferEnd(Asked asked, DeviceTransfers::Result result, const SharedCatalogue &data,
                const BandPlan &compared = BandPlan());

    bool done() const { return result.kind == DeviceOperation::Kind::Done; }
    // Why only the switch's replies were kept in the backup; empty when its
    // plan was.
    QString backupNotice() const { return result.outcome.notice; }
    // The window's one message for a send that ended done: that the switch
    // holds the plan (for a store, where its earlier stored plan is), then
    // the notes.
    QString sentMessage() const;

    Asked asked = Asked::Read;
    DeviceTransfers::Result result;
    // What was noticed besides, one a line: a send's read-back notes; how a
    // read went and how the data number the satellites it names.
    QStringList notes;
    // Where the compared plan and the switch's differ, one a line, or that
    // they agree.
    QStringList comparison;
    bool holdsCompared = false;
};
