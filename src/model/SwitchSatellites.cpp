#include "SwitchSatellites.h"

#include "UBRecord.h"

#include <QCoreApplication>

namespace {
// The pair of the built-in data's names that a new user most likely needs.
const char *const builtInFavourites[] = {"Astra 19.2E", "Hotbird 13.0E"};
} // namespace

bool SwitchSatellites::canCarry(const SatelliteCatalogue &catalogue, const QString &satellite)
{
    const SateliteParams *params = catalogue.findSatelite(satellite);
    return !params || canCarry(params->satId);
}

QStringList SwitchSatellites::startPair(const SatelliteCatalogue &catalogue, bool builtInData)
{
    QStringList pair;
    if (builtInData) {
        for (const char *name : builtInFavourites) {
            const SateliteParams *params = catalogue.findSatelite(QString::fromLatin1(name));
            if (params && canCarry(params->satId))
                pair << params->name;
        }
        if (pair.size() == 2)
            return pair;
        pair.clear();
    }
    for (const QString &name : catalogue.satelliteNames()) {
        const SateliteParams *params = catalogue.findSatelite(name);
        if (!params || !canCarry(params->satId))
            continue;
        pair << name;
        if (pair.size() == 2)
            break;
    }
    return pair;
}

int SwitchSatellites::lnbForStatic(const SatelliteCatalogue &catalogue, const QString &lnb1, const QString &lnb2)
{
    if (canCarry(catalogue, lnb1))
        return 0;
    return canCarry(catalogue, lnb2) ? 1 : -1;
}

QString SwitchSatellites::staticRefusal(const QList<quint32> &ubNumbers, const QString &satellite)
{
    QStringList names;
    for (const quint32 ubNumber : ubNumbers)
        names << UBRecord::displayName(ubNumber);
    return QCoreApplication::translate("SwitchSatellites",
                                       "%1: %2 has no satellite id the switch can carry; use it for dynamic "
                                       "UBs only")
        .arg(names.join(QStringLiteral(", ")), satellite);
}

QString SwitchSatellites::dynamicOnlyMark()
{
    return QCoreApplication::translate("SwitchSatellites", "(dynamic UBs only)");
}

QString SwitchSatellites::withDynamicOnlyMark(const QString &name)
{
    return QCoreApplication::translate("SwitchSatellites", "%1 (dynamic UBs only)").arg(name);
}
