#pragma once

#include "device/PlanWords.h"
#include "model/BandPlan.h"
#include "model/BandRules.h"
#include "model/PlanCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a plan is before a send, with the satellite data in use: the plan as
// moved onto the data, its check, its words and what the move changed. The
// window and the tool word the notes each in their own way; the facts are
// these.
struct PlanVerdict
{
    // Moved onto the data: positions, transponder numbers, polarisation.
    BandPlan plan;
    PlanCheck check;
    // A static UB and no satellite data at all: no words could be made.
    bool noData = false;
    // Made with the moved plan whatever the check said; the transfer draws
    // its own random numbers, so these only tell whether it can be sent.
    PlanWords words;
    // "… is now at …" for the satellites the data list under another name;
    // empty when none moved.
    QString moved;
    // The plan's satellites the data lack, LNB1's first, each once.
    QStringList lostSatellites;
    // Renumbered and missing transponders, the polarisation notes.
    BandRules::Match match;

    bool sendable() const { return check.passed() && !noData && words.sendable(); }
};
