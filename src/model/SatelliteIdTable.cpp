#include "SatelliteIdTable.h"

#include "OrbitalPositions.h"

#include <QList>

#include <algorithm>

namespace {
// A notice names this many; the rest are counted.
constexpr int namedAtMost = 8;
} // namespace

SatelliteIdTable SatelliteIdTable::parse(const QByteArray &text)
{
    SatelliteIdTable table;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const quint32 id = line.left(tab).toUInt(&ok);
        const QString name = QString::fromUtf8(line.mid(tab + 1)).trimmed();
        if (!ok || id == 0 || name.isEmpty() || table.idByName.contains(name) || table.nameById.contains(id))
            continue;
        table.idByName.insert(name, id);
        table.nameById.insert(id, name);
    }
    return table;
}

QVector<QPair<quint32, QString>> SatelliteIdTable::entries() const
{
    QVector<QPair<quint32, QString>> result;
    result.reserve(nameById.size());
    for (auto it = nameById.cbegin(); it != nameById.cend(); ++it)
        result.append(qMakePair(it.key(), it.value()));
    std::sort(result.begin(), result.end());
    return result;
}

QStringList SatelliteIdTable::differences(const SatelliteCatalogue &catalogue) const
{
    return differences(catalogue, catalogue.satelliteNames());
}

QStringList SatelliteIdTable::differences(const SatelliteCatalogue &catalogue, const QStringList &names) const
{
    QStringList found;
    for (const QString &name : names) {
        const SateliteParams *params = catalogue.findSatelite(name);
        if (!params || params->satId == 0)
            continue;
        // A position is sent with the lowest id of its spacecraft, which the
        // table gives to one of them: that is no difference.
        const quint32 tableId = idByName.value(name);
        const QString tableName = nameById.value(params->satId);
        if (tableId != 0 && tableId != params->satId && !OrbitalPositions::samePosition(tableName, name)) {
            found << tr("%1 (id %2 here, %3 in the program's table)").arg(name).arg(params->satId).arg(tableId);
            continue;
        }
        if (!tableName.isEmpty() && tableName != name && !OrbitalPositions::samePosition(tableName, name))
            found << tr("%1 (id %2, which the program's table gives to %3)").arg(name).arg(params->satId).arg(tableName);
    }
    return found;
}

QString SatelliteIdTable::differencesMessage(const QStringList &differences)
{
    if (differences.isEmpty())
        return QString();
    QStringList named = differences.mid(0, namedAtMost);
    if (differences.size() > namedAtMost)
        named << tr("more: %1").arg(differences.size() - namedAtMost);
    return tr("These satellite data number satellites differently from the program's own table, so a plan "
              "read back from a switch programmed with other data may name other satellites: %1.")
        .arg(named.join(QStringLiteral("; ")));
}
