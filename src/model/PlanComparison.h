#pragma once

#include "BandPlan.h"

#include <QCoreApplication>
#include <QStringList>

// What differs between a plan (the window's, or a file's) and the plan the
// switch holds, as one translated line per difference: the two satellites,
// the three options, then the UBs in the band list's order of names (UB01 to
// UB24): the type, LNB and transponder of static UBs, line and local UB of
// dynamic ones.
class PlanComparison
{
    Q_DECLARE_TR_FUNCTIONS(PlanComparison)

public:
    PlanComparison(const BandPlan &plan, const BandPlan &device);

    bool same() const { return differences.isEmpty(); }

    // The names of the three options and of their values, as every
    // comparison with the switch shows them.
    static QString terrestrialPathName();
    static QString lteFilterName();
    static QString standByName();
    static QString onOff(bool on);
    // The differences, or the one line saying that the switch holds the plan.
    QStringList lines() const;

private:
    void compareSettings(const BandPlan &plan, const BandPlan &device);
    void compareUBs(const QList<UBRecord> &plan, const QList<UBRecord> &device);
    void compareUB(const UBRecord &plan, const UBRecord &device);
    void add(const QString &what, const QString &inPlan, const QString &inDevice);

    QStringList differences;
};
