#pragma once

#include "model/BandPlan.h"
#include "model/SatelliteCatalogue.h"
#include "model/UBRecord.h"

#include <QObject>
#include <QString>
#include <QStringList>

class UBDataModel;

// The one place where the band plan is changed: the band rules (static and
// dynamic UBs, lines and their numbering, LNB and transponder choices that
// move whole, new satellite data under the plan) are applied here, whether
// the window, a file or the switch asks.
class PlanEditor : public QObject
{
    Q_OBJECT

public:
    explicit PlanEditor(UBDataModel *model, QObject *parent = nullptr);

    BandPlan plan() const;
    // A file's or the switch's plan, whole: options, names, then the list.
    void replace(const BandPlan &plan);

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

private:
    void createDefaultUBs();
    // A new satellite on an input takes the transponders of its static UBs.
    void satelliteChosen(quint32 lnb);
    void presetLnb(int lnb, const QStringList &names, const QStringList &pair);
    void refuseNewStaticUBs(int firstRow, int endRow, const QList<UBRecord> &list);

    UBDataModel *model;
    SharedCatalogue data;
    // The satellites the editor chose for the inputs itself; a name the user
    // chose or a plan brought is never replaced.
    QString presetNames[2];
};
