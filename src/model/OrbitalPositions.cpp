#include "OrbitalPositions.h"

#include "LnbBands.h"
#include "SatelliteIdTable.h"

#include <QStringView>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

struct Member
{
    int tenths;
    QString name;
};

// The groups, west to east, each a list of names; names without a position
// stay alone, after them.
QVector<QStringList> groups(const QStringList &names)
{
    QVector<Member> placed;
    QVector<QStringList> result;
    for (const QString &name : names) {
        if (const std::optional<int> tenths = OrbitalPositions::position(name))
            placed.append({*tenths, name});
    }
    std::sort(placed.begin(), placed.end(), [](const Member &a, const Member &b) {
        return a.tenths != b.tenths ? a.tenths < b.tenths : a.name < b.name;
    });
    int anchor = 0;
    for (const Member &member : placed) {
        if (result.isEmpty() || member.tenths - anchor > OrbitalPositions::groupWidth) {
            anchor = member.tenths;
            result.append(QStringList());
        }
        result.last() << member.name;
    }
    for (const QString &name : names) {
        if (!OrbitalPositions::position(name))
            result.append(QStringList{name});
    }
    return result;
}

// Members in name order.
QString positionName(const SatelliteCatalogue &spacecraft, const QStringList &members)
{
    if (!OrbitalPositions::position(members.first()))
        return members.first();
    // Family (case folded) -> its first spelling and its spacecraft's rows.
    std::map<QString, std::pair<QString, int>> families;
    int west = *OrbitalPositions::position(members.first());
    for (const QString &name : members) {
        const QString family = OrbitalPositions::family(name);
        auto &entry = families.emplace(family.toLower(), std::make_pair(family, 0)).first->second;
        entry.second += spacecraft.transponders(name).size();
        west = std::min(west, *OrbitalPositions::position(name));
    }
    const auto best = std::min_element(families.begin(), families.end(), [](const auto &a, const auto &b) {
        const auto &x = a.second;
        const auto &y = b.second;
        return x.second != y.second ? x.second > y.second : x.first < y.first;
    });
    const QString family = best->second.first;
    const QString where = OrbitalPositions::positionText(west);
    return family.isEmpty() ? where : family + QLatin1Char(' ') + where;
}

void addRows(QVector<TransponderItem> &rows, const QVector<TransponderItem> &from)
{
    for (const TransponderItem &item : from) {
        const bool known = std::any_of(rows.cbegin(), rows.cend(), [&item](const TransponderItem &row) {
            const quint32 apart = row.frequency > item.frequency ? row.frequency - item.frequency
                                                                 : item.frequency - row.frequency;
            return row.polarisation == item.polarisation && apart <= OrbitalPositions::sameFrequency;
        });
        if (!known)
            rows.append(item);
    }
}

SateliteParams summary(const QString &name, const QVector<TransponderItem> &rows, const QVector<quint32> &ids,
                       SatelliteCatalogue::OtherIds &otherIds)
{
    SateliteParams params;
    params.name = name;
    params = LnbBands::withOscillators(params, rows);
    for (quint32 id : ids) {
        if (id == 0)
            continue;
        if (params.satId == 0)
            params.satId = id;
        else
            otherIds.emplace(id, name);
    }
    return params;
}

// Where a name's position begins: degrees, whole or with decimals, then E
// or W, at its end (before a last line break, as a pattern's "$" allows).
// Read by hand: a regular expression here cost the start the pattern
// library's code and compiled pattern, for every satellite's name.
struct PositionEnd
{
    int start = -1; // none
    int degreesLength = 0;
    bool east = false;
};

// The digits that end name.left(end): where they begin (end when none).
int digitsBefore(const QString &name, int end)
{
    while (end > 0 && name.at(end - 1).isDigit())
        --end;
    return end;
}

PositionEnd positionEnd(const QString &name)
{
    int end = name.size();
    if (name.endsWith(QLatin1Char('\n')))
        --end;
    if (end < 2 || (name.at(end - 1) != QLatin1Char('E') && name.at(end - 1) != QLatin1Char('W')))
        return {};
    const int letter = end - 1;
    int start = digitsBefore(name, letter);
    if (start == letter)
        return {};
    // Decimals count only behind whole degrees: in "A.5E" the point is
    // part of the name.
    if (start >= 2 && name.at(start - 1) == QLatin1Char('.') && name.at(start - 2).isDigit())
        start = digitsBefore(name, start - 1);
    return {start, letter - start, name.at(letter) == QLatin1Char('E')};
}

} // namespace

std::optional<int> OrbitalPositions::position(const QString &name)
{
    const PositionEnd end = positionEnd(name);
    if (end.start < 0)
        return std::nullopt;
    bool ok = false;
    const double degrees = QStringView(name).mid(end.start, end.degreesLength).toDouble(&ok);
    // Beyond 180 degrees a name's end is no position.
    if (!ok || degrees > 180.0)
        return std::nullopt;
    const int tenths = int(std::lround(degrees * 10));
    return end.east ? tenths : -tenths;
}

QString OrbitalPositions::positionText(int tenths)
{
    const int magnitude = std::abs(tenths);
    return QStringLiteral("%1.%2%3")
        .arg(magnitude / 10)
        .arg(magnitude % 10)
        .arg(tenths >= 0 ? QLatin1Char('E') : QLatin1Char('W'));
}

QString OrbitalPositions::family(const QString &name)
{
    const int start = positionEnd(name).start;
    const QStringList words =
        (start >= 0 ? name.left(start) : name).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList kept;
    for (const QString &word : words) {
        const auto digit = std::find_if(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
        if (digit == word.cend()) {
            kept << word;
            continue;
        }
        if (kept.isEmpty()) {
            QString letters = word.left(int(digit - word.cbegin()));
            while (!letters.isEmpty() && QStringLiteral("_-+").contains(letters.back()))
                letters.chop(1);
            if (!letters.isEmpty())
                kept << letters;
        }
        break;
    }
    return kept.join(QLatin1Char(' '));
}

SatelliteCatalogue OrbitalPositions::group(const SatelliteCatalogue &spacecraft)
{
    SatelliteCatalogue::Transponders items;
    QVector<SateliteParams> params;
    SatelliteCatalogue::OtherIds otherIds;
    for (QStringList members : groups(spacecraft.satelliteNames())) {
        // Rows in name order, as the generator lists them.
        std::sort(members.begin(), members.end());
        const QString name = positionName(spacecraft, members);
        QVector<TransponderItem> rows;
        QVector<quint32> ids;
        for (const QString &member : members) {
            addRows(rows, spacecraft.transponders(member));
            if (const SateliteParams *found = spacecraft.findSatelite(member))
                ids.append(found->satId);
        }
        std::sort(ids.begin(), ids.end());
        const SateliteParams position = summary(name, rows, ids, otherIds);
        for (int i = 0; i < rows.size(); ++i) {
            rows[i].transponder = quint32(i + 1);
            rows[i].satId = position.satId;
        }
        params.append(position);
        items[name] = rows;
    }
    std::sort(params.begin(), params.end(),
              [](const SateliteParams &a, const SateliteParams &b) { return a.name < b.name; });
    return SatelliteCatalogue(std::move(items), std::move(params), std::move(otherIds));
}

namespace {

QVector<OrbitalPositions::Place> placesOf(const QVector<SateliteParams> &satellites)
{
    QVector<OrbitalPositions::Place> places;
    places.reserve(satellites.size());
    for (const SateliteParams &satellite : satellites)
        places.append(OrbitalPositions::place(satellite.name, satellite.satId));
    return places;
}

} // namespace

OrbitalPositions::Place OrbitalPositions::place(const QString &name, quint32 id)
{
    return {position(name), id};
}

int OrbitalPositions::nearest(int tenths, const QVector<Place> &places)
{
    // Id 0 names no satellite: it comes last.
    const auto rank = [](quint32 id) { return id == 0 ? std::numeric_limits<quint32>::max() : id - 1; };
    int found = -1;
    for (int i = 0; i < places.size(); ++i) {
        const Place &candidate = places[i];
        if (!candidate.tenths || !samePosition(*candidate.tenths, tenths))
            continue;
        if (found < 0) {
            found = i;
            continue;
        }
        const int apart = std::abs(*candidate.tenths - tenths);
        const int best = std::abs(*places[found].tenths - tenths);
        if (apart < best || (apart == best && rank(candidate.id) < rank(places[found].id)))
            found = i;
    }
    return found;
}

SatelliteCatalogue OrbitalPositions::withTableIds(const SatelliteCatalogue &data,
                                                  const SatelliteIdTable &table)
{
    const QVector<SateliteParams> &satellites = data.satellites();
    SatelliteCatalogue::OtherIds otherIds = data.otherIds();
    std::set<quint32> carried;
    for (const SateliteParams &params : satellites)
        carried.insert(params.satId);
    const QVector<Place> places = placesOf(satellites);
    bool changed = false;
    for (const auto &entry : table.entries()) {
        const std::optional<int> at = position(entry.second);
        if (carried.count(entry.first) || otherIds.count(entry.first) || !at)
            continue;
        const int index = nearest(*at, places);
        if (index < 0 || satellites[index].satId == 0)
            continue;
        otherIds.emplace(entry.first, satellites[index].name);
        changed = true;
    }
    if (!changed)
        return data;
    return SatelliteCatalogue(data.allTransponders(), satellites, std::move(otherIds));
}

QString OrbitalPositions::satelliteAt(const SatelliteCatalogue &data, const QString &name)
{
    if (data.findSatelite(name))
        return name;
    const std::optional<int> at = position(name);
    if (!at)
        return QString();
    const int index = nearest(*at, placesOf(data.satellites()));
    return index < 0 ? QString() : data.satellites().at(index).name;
}

bool OrbitalPositions::samePosition(const QString &a, const QString &b)
{
    const std::optional<int> x = position(a);
    const std::optional<int> y = position(b);
    return x && y && samePosition(*x, *y);
}

QString OrbitalPositions::movePlan(QString &lnb1, QString &lnb2, const SatelliteCatalogue &data)
{
    QStringList moved;
    for (QString *name : {&lnb1, &lnb2}) {
        const QString there = name->isEmpty() ? QString() : satelliteAt(data, *name);
        if (there.isEmpty() || there == *name)
            continue;
        moved << tr("%1 is now %2").arg(*name, there);
        *name = there;
    }
    if (moved.isEmpty())
        return QString();
    return tr("These satellite data name satellites by their orbital position: %1.")
        .arg(moved.join(QStringLiteral(", ")));
}
