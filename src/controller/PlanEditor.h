#pragma once

#include "model/BandPlan.h"
#include "model/SatelliteCatalogue.h"
#include "model/UBRecord.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The one place where the band plan is changed. It holds the plan as a value
// and applies the band rules (static and dynamic UBs, lines and their
// numbering, LNB and transponder choices that move whole, new satellite data
// under the plan), whether the band list, a file, the switch or the tool
// asks. Each change is told once, by the signal of what it touched, then by
// changed().
class PlanEditor : public QObject
{
    Q_OBJECT

public:
    enum class Option
    {
        LteFilter,
        TerrestrialPath,
        StandBy,
    };
    Q_ENUM(Option)

    // An empty plan; resetToDefault() gives the plan a new window starts with.
    explicit PlanEditor(QObject *parent = nullptr);

    const BandPlan &plan() const { return current; }
    // A file's or the switch's plan, whole: options, names, then the list.
    void replace(const BandPlan &plan);
    // 24 dynamic UBs dealt out over the lines, UB 23 in the first row.
    void resetToDefault();

    // The rows as given (only stand-by follows them): told even when equal.
    void setList(const QList<UBRecord> &list);
    // One row as given; told only when it differs.
    void setRecord(int row, const UBRecord &record);
    // A dynamic UB moved to another line: the lines are numbered anew before
    // this returns. A line that does not exist stays in the row and is said.
    void setLine(int row, quint32 line);
    // A satellite for input 0 (LNB1) or 1 (LNB2): its static UBs lose their
    // transponders and keep their frequencies.
    void setLnb(int input, const QString &name);
    void setOption(Option option, bool on);
    bool option(Option option) const;

    // The satellite data the choices are judged against: those in use.
    SharedCatalogue catalogue() const { return data; }
    void setCatalogue(const SharedCatalogue &catalogue) { data = catalogue; }
    // New data under the plan: the satellites and transponders still there
    // stay; empty inputs (and a preset satellite that is gone) get the start
    // pair. Returns the account of what the data lack, each sentence after a
    // space.
    QString takeData(const SharedCatalogue &catalogue, const QStringList &startPair);
    // The plan's static UBs against the data in use: frequencies follow
    // them, what they lack is marked and named (as takeData's account).
    QString checkAgainstData();

    // The satellite a row's LNB input names; empty outside the plan.
    QString satelliteOf(int row) const;

    void setStaticUBs(uint numStaticUBs, bool above);
    void resetDynamicUBs(bool resetLines);
    // The user's choices in a static UB's row: a transponder of its LNB's
    // satellite (-1: none), another LNB input.
    void chooseTransponder(int row, int transponder);
    void chooseLnb(int row, int lnb);

    static QString lineTooHighMessage();

signals:
    void errorOccured(const QString &error);
    void staticUBsChanged(bool above);
    // Before a list of another length takes the rows' place.
    void rowCountAboutToChange();
    void listReplaced();
    // A row's new line is in the plan; the numbering follows.
    void lineChanged(int row);
    void rowChanged(int row);
    void lnbChanged(int input, const QString &name);
    void optionChanged(PlanEditor::Option option);
    // After each of the above.
    void changed();

private:
    void satelliteChosen(int input);
    void presetLnb(int input, const QStringList &names, const QStringList &pair);
    void refuseNewStaticUBs(int firstRow, int endRow, const QList<UBRecord> &list);

    BandPlan current;
    SharedCatalogue data;
    // The satellites the editor chose for the inputs itself; a name the user
    // chose or a plan brought is never replaced.
    QString presetNames[2];
};
