#include "BuiltInSatellites.h"

QString BuiltInSatellites::defaultPath()
{
    return QStringLiteral(":/data/satellites.tsv");
}

BuiltInSatellites::Data BuiltInSatellites::load(const QString &path)
{
    Data data;
    data.reason = QStringLiteral("not built yet: ") + path;
    return data;
}
