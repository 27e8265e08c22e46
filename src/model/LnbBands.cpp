#include "LnbBands.h"

#include <set>

quint32 LnbBands::universalOscillator(quint32 frequency)
{
    return frequency < universalEdge ? universalLow : universalHigh;
}

quint32 LnbBands::highOscillator(const SateliteParams &params)
{
    if (params.lofHigh != 0)
        return params.lofHigh;
    return params.lofLow >= universalHigh ? params.lofLow : 0;
}

quint32 LnbBands::lowOscillator(const SateliteParams &params)
{
    if (params.lofHigh != 0)
        return params.lofLow;
    return params.lofLow < universalHigh ? params.lofLow : 0;
}

bool LnbBands::isHighBand(const SateliteParams &params, quint32 oscillator)
{
    return oscillator != 0 && oscillator == highOscillator(params);
}

quint32 LnbBands::ownOscillator(const SateliteParams &params, quint32 frequency)
{
    const bool high = frequency >= universalEdge;
    const quint32 own = high ? highOscillator(params) : lowOscillator(params);
    return own != 0 ? own : universalOscillator(frequency);
}

SateliteParams LnbBands::withOscillators(SateliteParams params, const QVector<TransponderItem> &rows)
{
    std::set<quint32> oscillators;
    for (const TransponderItem &row : rows)
        oscillators.insert(row.oscillatorFrequency);
    params.lofLow = oscillators.empty() ? 0 : *oscillators.begin();
    params.lofHigh = oscillators.size() == 2 ? *oscillators.rbegin() : 0;
    return params;
}
