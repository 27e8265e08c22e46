#pragma once

#include "model/BandPlan.h"
#include "model/OwnTransponders.h"

#include "model/PlanCheck.h"
#include "model/Polarisation.h"
#include "model/StaticUbRules.h"
#include "model/TransponderChoice.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// Everything the installation sheet shows, taken from the band plan and the
// satellite data at one moment. Plain values: the drawing code reads only
// this, so the window, the PDF and the PNG always agree.
class SheetContent
{
public:
    // One output slot on the cable, in UB order.
    struct Slot
    {
        quint32 ubNumber = 0;
        quint32 slotFrequency = 0; // MHz
        bool isStatic = false;
        // Dynamic UBs
        quint32 line = 0;
        quint32 localUB = 0;
        bool beyondLineLimit = false; // more than eight dynamic UBs on its line
        // Static UBs
        bool assigned = false;
        quint32 lnb = 0;
        QString satellite;
        qint32 transponder = -1;
        quint32 frequency = 0;         // MHz, of the transponder
        bool transponderKnown = false; // found in the satellite data
        bool own = false;              // one the user entered by hand
        Polarisation polarisation;     // as the data give it: H, V, L or R
        bool highBand = false;
        qint64 intermediateFrequency = 0; // MHz above the LNB's oscillator
        quint32 satId = 0;
        // The transponder as the plan holds it, with its standing against
        // the data (missing, or its polarisation taken from its number).
        TransponderChoice choice;
        // Why the device cannot take it; with satellite data only.
        StaticUbRules::Refusal refusal = StaticUbRules::Refusal::None;

        // What is wrong with the slot; the first that applies.
        enum class Problem
        {
            None,
            Unassigned,            // static without a transponder
            BeyondLineLimit,       // more than eight dynamic UBs on its line
            IntermediateFrequency, // no code word carries it
            SatelliteId,           // above what a code word carries
            UbNumber,              // above what a code word carries (a damaged file)
            NotInSatelliteData     // satellite or transponder unknown
        };
        Problem problem() const;
        bool hasProblem() const { return problem() != Problem::None; }
    };

    // A line that carries more dynamic UBs than receivers reach with the
    // older protocol.
    struct CrowdedLine
    {
        quint32 line = 0;
        int count = 0;
    };

    static constexpr int lineCount = PlanCheck::lineCount;
    static constexpr quint32 firstSlot = 975;
    static constexpr quint32 slotSpacing = 50;
    static constexpr quint32 bandStart = 950;
    static constexpr quint32 bandEnd = 2150;

    // An empty catalogue (no satellite data): static UBs then show what the
    // plan itself holds. own: the user's transponders, marked as such.
    static SheetContent build(const BandPlan &plan, const SatelliteCatalogue &catalogue, const QDate &date,
                              const OwnTransponders &own = OwnTransponders());

    QDate date;
    // The label of the site's entry the sheet belongs to; empty: none.
    QString label;
    // The switch connected when the sheet was made; build() leaves them to
    // whoever knows it.
    bool deviceConnected = false;
    QString serialNumber;
    QString lnb1;
    QString lnb2;
    bool terrestrialPathActive = false;
    bool lteFilter = false;
    bool standBy = false;
    QVector<Slot> bandSlots; // ascending UB number
    QStringList checkMessages;
    QVector<CrowdedLine> crowdedLines;

    // The dynamic UBs of one line, by local number.
    QVector<Slot> lineSlots(quint32 line) const;
    QVector<Slot> staticSlots() const;
    // Lines outside 0-3 come from a damaged file; they are listed apart.
    QVector<Slot> strayDynamicSlots() const;
};
