#pragma once

#include "SateliteParams.h"
#include "TransponderItem.h"

#include <QVector>

// The two bands of the LNB a satellite is received through, and which of
// them a transponder row, a code word's band bit and an own transponder
// belong to. A satellite's data name one or two oscillators; a single one of
// 10600 MHz or above is the high band of a universal LNB, one below it the
// low band. Encoding, decoding, the sheet and the own transponders all ask
// here, so a word means one band everywhere.
class LnbBands
{
public:
    // A universal LNB: 9750 MHz below 11700 MHz, 10600 MHz from there up.
    static constexpr quint32 universalLow = 9750;
    static constexpr quint32 universalHigh = 10600;
    static constexpr quint32 universalEdge = 11700;

    // The universal LNB's oscillator for a transponder at `frequency` MHz:
    // what imported and built-in rows get.
    static quint32 universalOscillator(quint32 frequency);

    // The satellite's oscillator of each band; 0 when it lacks that band.
    static quint32 highOscillator(const SateliteParams &params);
    static quint32 lowOscillator(const SateliteParams &params);
    // A row received through `oscillator` is in the high band: the band bit
    // of its code word.
    static bool isHighBand(const SateliteParams &params, quint32 oscillator);

    // The oscillator an own transponder at `frequency` MHz takes: the
    // satellite's own of that band, else the universal LNB's; never a third.
    static quint32 ownOscillator(const SateliteParams &params, quint32 frequency);

    // The summary's oscillators made from the rows: the smallest, and the
    // larger when there are exactly two.
    static SateliteParams withOscillators(SateliteParams params, const QVector<TransponderItem> &rows);
};
