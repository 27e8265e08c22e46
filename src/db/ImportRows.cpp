#include "ImportRows.h"

#include "model/LnbBands.h"

#include <algorithm>

namespace {
// The band a universal LNB receives (MHz), as in the built-in data.
constexpr qint64 kuLow = 10700;
constexpr qint64 kuHigh = 12750;
} // namespace

QString ImportRows::begin(const QString &name)
{
    current = nullptr;
    if (name.size() > limits.nameCharacters)
        return tr("a satellite's name is longer than %1 characters").arg(limits.nameCharacters);
    if (spacecraft.count(name) != 0)
        return QString();
    if (int(spacecraft.size()) >= limits.spacecraft)
        return tr("the file lists more than %1 satellites").arg(limits.spacecraft);
    current = &spacecraft[name];
    return QString();
}

QString ImportRows::add(qint64 kHz, Polarisation polarisation)
{
    const qint64 mhz = (kHz + 500) / 1000;
    if (!current || mhz < kuLow || mhz > kuHigh)
        return QString();
    const quint32 frequency = quint32(mhz);
    const bool known = std::any_of(current->cbegin(), current->cend(), [&](const TransponderItem &row) {
        return row.frequency == frequency && row.polarisation == polarisation;
    });
    if (known)
        return QString();
    if (current->size() >= limits.rowsPerSpacecraft)
        return tr("the file lists more than %1 transponders for one satellite").arg(limits.rowsPerSpacecraft);
    if (rows >= limits.rows)
        return tr("the file lists more than %1 transponders").arg(limits.rows);
    TransponderItem item;
    item.transponder = quint32(current->size() + 1);
    item.frequency = frequency;
    item.polarisation = polarisation;
    item.oscillatorFrequency = LnbBands::universalOscillator(frequency);
    current->append(item);
    ++rows;
    return QString();
}

ImportRows::Spacecraft ImportRows::result() const
{
    Spacecraft found;
    for (const auto &entry : spacecraft) {
        if (!entry.second.isEmpty())
            found.insert(entry);
    }
    return found;
}
