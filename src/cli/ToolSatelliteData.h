#pragma once

#include "model/BandPlan.h"
#include "model/SatelliteCatalogue.h"
#include "service/Environment.h"
#include "service/PlanVerdict.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

class OwnTransponders;
class SatelliteData;
class SatelliteSource;

// The satellite data the tool's commands use, and the checks of a plan
// against them. Nothing here writes: each step returns its messages, in the
// order they arose, for the caller to show.
class ToolSatelliteData
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    explicit ToolSatelliteData(const Environment &environment);
    ~ToolSatelliteData();

    // Downloads or loads the data once, as the window does: warnings are
    // added to `messages`, and when no data can be had, the failure last.
    bool load(QStringList *messages);
    // Null until load() succeeded.
    const SatelliteSource *source() const;
    SatelliteData *inUse() { return satellites.get(); }
    // The satellite data a transfer starts with; null: none loaded.
    SharedCatalogue catalogue() const;
    const OwnTransponders &ownTransponders() const;
    // Imports satellite data beside the offline data; the refusal, if any.
    QString importFrom(const QString &path) const;
    // The satellites an LNB without static UBs gets, as the window presets
    // them.
    QStringList startPair() const;

    // The window's texts about the satellite data, with the tool's remedy.
    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

    // A plan from a file with the rules "Read from file" keeps (no stand-by
    // with static UBs); false with the reason in `why`.
    static bool loadPlan(const QString &path, BandPlan &plan, QString *why);
    static bool writePlan(const QString &path, const BandPlan &plan, QString *why);
    // Whether the plan passes the window's checks; their messages go to
    // `messages`.
    static bool checkPlan(const BandPlan &plan, QStringList *messages);
    // A plan from a file meets the satellite data: static UBs are found by
    // frequency and polarisation. The verdict holds the plan as moved.
    PlanVerdict prepare(const BandPlan &plan) const;
    // What changed or is missing, one line each.
    static QStringList notes(const PlanVerdict &verdict);
    // Whether every UB of the plan can be sent with the satellite data: if
    // not, the heading, then one line per refusal.
    static bool checkWords(const PlanVerdict &verdict, QStringList *messages);
    // What the data in use number otherwise than the program's id table,
    // for all satellites.
    QString numberingNote() const;
    // Where the data come from, their date and what went wrong, for the
    // support report; none before load().
    QStringList describe() const;

private:
    const Environment &environment;
    std::unique_ptr<SatelliteData> satellites;
};
