// Writes the plan that tools/readme-pictures.sh shows into PLAN_FILE: a
// settings file that uses every colour of the band list, with four static UBs
// on both LNBs, one of them still unassigned. The satellite data come from
// the server the program is built to use (the realistic set, which the
// script starts in a network namespace of its own).
//   fenzo-readme-plan PLAN_FILE
#include "model/BandRules.h"
#include "model/NoSatelliteData.h"
#include "model/SettingsFile.h"
#include "model/SwitchSatellites.h"
#include "service/SatelliteData.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {
const QString lnb1 = QStringLiteral("Astra 19.2E");
const QString lnb2 = QStringLiteral("Astra 23.5E");

// A static UB on a transponder of its LNB's satellite, with its frequency.
// The polarisation stays unknown, as in a plan of an older version.
void assign(BandPlan &plan, const SatelliteCatalogue &data, quint32 ubNumber, quint32 lnb, qint32 tp)
{
    for (UBRecord &record : plan.list) {
        if (record.ubNumber != ubNumber)
            continue;
        record.lnb = lnb;
        if (tp < 0)
            return;
        const TransponderItem *item = data.findTransponder(lnb ? lnb2 : lnb1, quint32(tp));
        if (!item)
            throw std::runtime_error("transponder " + std::to_string(tp) + " is not in the satellite data");
        record.tp = tp;
        record.freq = item->frequency;
    }
}

// Four static UBs in the first rows, placed as the band list places them.
BandPlan readmePlan(const SatelliteCatalogue &data)
{
    BandPlan plan = BandPlan::defaultPlan();
    plan.lnb1 = lnb1;
    plan.lnb2 = lnb2;
    const int lnbForNew = SwitchSatellites::lnbForStatic(data, lnb1, lnb2);
    if (lnbForNew < 0)
        throw std::runtime_error(SwitchSatellites::staticRefusal({23, 22, 21, 20}, lnb1).toStdString());
    BandRules::placeStaticUBs(plan.list, 4, true, quint32(lnbForNew));
    if (!plan.numberDynamicUBs(false))
        throw std::runtime_error("a dynamic UB is on no line");
    assign(plan, data, 23, 0, 53);
    assign(plan, data, 22, 0, 52);
    assign(plan, data, 21, 1, 22);
    assign(plan, data, 20, 1, -1);
    return plan;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fenzo-readme-plan PLAN_FILE\n");
        return 2;
    }
    QTemporaryDir cache;
    Environment environment;
    environment.cacheDirectory = cache.path();
    SatelliteData satellites(environment);
    try {
        satellites.loadNow();
        SettingsFile::write(QString::fromLocal8Bit(argv[1]), readmePlan(*satellites.catalogue()));
    } catch (const NoSatelliteData &) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(satellites.withFailureReason(QStringLiteral("no satellite data"))));
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
