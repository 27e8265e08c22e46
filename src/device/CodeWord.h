#pragma once

#include "model/SatelliteCatalogue.h"
#include "model/StaticUbRules.h"
#include "model/UBRecord.h"

#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <stdexcept>
#include <string>

// A static word the satellite data cannot explain (a satellite id or a
// transponder they lack): the switch's plan is sound, the data are not its
// match. The message names the UB and the reason, translated.
class UndecodableWord : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The 32-bit word that carries one user band over the serial line, written in
// decimal. Bit 31 tells the two layouts apart; bits 8-18 hold the field F in
// both.
//   static:  1 | satId (7) | ubNumber (5) | F (11) | 0 (5) | LNB2 | horizontal | high band
//   dynamic: check K (8) | ubNumber * 8 (8) | line (8) | random 1..15 (8)
class CodeWord
{
public:
    // The limits of a static word's fields and what keeps a static UB from
    // travelling are the plan's rules (StaticUbRules), shared with the sheet.
    static constexpr quint32 maxF = StaticUbRules::maxF;
    static constexpr quint32 maxUbNumber = StaticUbRules::maxUbNumber;
    static constexpr quint32 maxSatId = StaticUbRules::maxSatId;
    static constexpr quint32 noSatId = StaticUbRules::noSatId;
    static constexpr quint32 maxLine = 255;
    static constexpr quint32 maxDynamicLine = 3;
    using Refusal = StaticUbRules::Refusal;
    static constexpr qint64 ifOffset = StaticUbRules::ifOffset;

    constexpr CodeWord() = default;
    constexpr explicit CodeWord(quint32 value) : word(value) {}

    // Unsigned decimal text; anything that is not a valid 32-bit unsigned
    // decimal gives the word 0.
    static CodeWord fromText(QStringView text);

    // Both builders refuse values that would spill into neighbouring bits,
    // with a translated message.
    static CodeWord makeStatic(quint32 satId, quint32 ubNumber, qint64 f, bool lnb2, bool horizontal,
                               bool highBand);
    // random: any number of the generator; R = random % 15 + 1.
    static CodeWord makeDynamic(quint32 ubNumber, quint32 line, quint32 random);

    constexpr quint32 value() const { return word; }
    QString toText() const { return QString::number(word); }

    // A top byte above 127 marks a static word.
    constexpr bool isStatic() const { return (word >> 24) > 127; }
    constexpr quint32 f() const { return (word >> 8) & 0x7FF; }
    constexpr quint32 satId() const { return (word >> 24) & 0x7F; }
    constexpr quint32 ubNumber() const { return (word >> 19) & 0x1F; }
    constexpr bool lnb2() const { return word & 0x4; }
    constexpr bool horizontal() const { return word & 0x2; }
    constexpr bool highBand() const { return word & 0x1; }
    constexpr quint32 randomPart() const { return word & 0xFF; }
    constexpr quint32 checkByte() const { return word >> 24; }

    // The structural rules by which a word is read back without satellite
    // data: not 0, and a dynamic word on one of the switch's lines. A word
    // that breaks them is never sent (the switch would store it, and then
    // its plan could not be read back).
    static constexpr bool isReadable(CodeWord word)
    {
        return word.value() != 0 && (word.isStatic() || word.f() <= maxDynamicLine);
    }

    // The code word of one record. Static records take their satellite data
    // from the catalogue: lnb2 names the satellite when the record's lnb is
    // above 0, else lnb1. A static record and an empty catalogue throw
    // NoSatelliteData. Every word is decoded again before it is returned:
    // one that would not read back as the record is refused.
    static CodeWord encode(const UBRecord &record, const QString &lnb1, const QString &lnb2,
                           const SatelliteCatalogue &catalogue, quint32 random);

    // The record at line position `position` (which is its ubNumber; the
    // word's own ubNumber bits are ignored). A static word writes its
    // satellite's name into lnb1 or lnb2; it is the transponder of the word's
    // polarisation nearest to its frequency, in the band its band bit names.
    // A word with the band bit 0 whose low band names no row is read in the
    // satellite's high band where that names one (earlier versions sent the
    // high band of a satellite with one oscillator so); lowBandBitInHighBand
    // tells whether it was read so.
    // Throws UndecodableWord when the satellite data hold no such row, and
    // std::runtime_error for a word that is not readable.
    static UBRecord decode(CodeWord word, quint32 position, QString &lnb1, QString &lnb2,
                           const SatelliteCatalogue &catalogue, bool *lowBandBitInHighBand = nullptr);

    // Why `word` would not read back as `record` (its type, UB number and
    // line, or its satellite, frequency, polarisation and band) with the
    // same data; empty when it does.
    static QString readBackRefusal(CodeWord word, const UBRecord &record, const QString &lnb1,
                                   const QString &lnb2, const SatelliteCatalogue &catalogue);
    // What a read tells the user about UBs read in the high band from words
    // with the band bit 0 (model UB numbers); empty for none.
    static QString earlierBandNote(const QList<quint32> &ubNumbers);

    // The words of a configuration line without its prefix, in line order;
    // zero, empty and non-numeric fields are dropped.
    static QVector<CodeWord> parseList(QStringView reply);

    // A whole ":CONF:ALL?" reply as 24 records in model order (UB 23 first).
    // lnb1/lnb2 change only when the whole reply decodes. The UBs read in the
    // high band from words with the band bit 0 go to lowBandBitsInHighBand.
    static QList<UBRecord> decodeConfiguration(QStringView reply, QString &lnb1, QString &lnb2,
                                               const SatelliteCatalogue &catalogue,
                                               QList<quint32> *lowBandBitsInHighBand = nullptr);

    // The configuration line for a list in model order: ":CONF:ALL " and the
    // words from the last record to the first.
    static QString configurationCommand(const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                        const SatelliteCatalogue &catalogue,
                                        const std::function<quint32()> &random);

    static std::string readErrorMessage();

private:
    // encode() without the check that the word reads back.
    static CodeWord wordOf(const UBRecord &record, const QString &lnb1, const QString &lnb2,
                           const SatelliteCatalogue &catalogue, quint32 random);

    quint32 word = 0;
};
