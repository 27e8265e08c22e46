#include "CodeWord.h"
#include "DeviceOperation.h"

#include "model/LnbBands.h"
#include "model/NoSatelliteData.h"
#include "model/PlanComparison.h"

#include <QCoreApplication>

#include <stdexcept>

namespace {
// Messages belong to the device link's translation context. The texts are
// marked where they are written so that lupdate finds them.
QString translate(const char *text)
{
    return QCoreApplication::translate("SerialPortHandler", text);
}

const char *const ubNumberRefusal =
    QT_TRANSLATE_NOOP("SerialPortHandler", "UB number %1 cannot be sent to the device (1 to 24)");
const char *const lineRefusal =
    QT_TRANSLATE_NOOP("SerialPortHandler", "Line %1 cannot be sent to the device (0 to 255)");
const char *const satIdRefusal =
    QT_TRANSLATE_NOOP("SerialPortHandler", "Satelite id %1 cannot be sent to the device (0 to 127)");
const char *const noSatIdRefusal = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "UB%1 cannot be sent to the device: its satellite has no satellite id "
                         "yet");
const char *const frequencyRefusal =
    QT_TRANSLATE_NOOP("SerialPortHandler", "UB%1 cannot be sent to the device: its transponder lies %2 MHz "
                                           "above the LNB oscillator (100 to 2147 MHz possible)");

// A UB as the band list names it: UB01 for UB number 0.
QString shownUb(quint32 ubNumber)
{
    return QStringLiteral("%1").arg(ubNumber + 1, 2, 10, QLatin1Char('0'));
}

const char *const unknownSatId = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1 cannot be read: the satellite id %2 is not in the satellite data.");
const char *const noHighBand = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1 cannot be read: it names the high band, which %2 does not have.");
const char *const noTransponderThere = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1 cannot be read: %2 has no transponder at %3 MHz %4 in the satellite data.");
const char *const lineBeyond = QT_TRANSLATE_NOOP(
    "SerialPortHandler",
    "%1 cannot be read: it is a dynamic UB on line %2, but the switch only has lines 1 to 4.");
const char *const otherBand = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1 cannot be read: transponder %2 of %3 lies in the other band of the LNB.");
const char *const readBackDiffers = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1 cannot be sent to the device: its code word would be read back as another UB or "
                         "transponder.");
const char *const earlierBand = QT_TRANSLATE_NOOP(
    "SerialPortHandler", "%1: read in the high band, although the code words name the low band, as earlier "
                         "versions of this program sent them. Storing the plan again renews them.");

[[noreturn]] void undecodable(const QString &message)
{
    throw UndecodableWord(message.toStdString());
}

[[noreturn]] void refuse(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

// The look-up failures of encoding keep the translation context they have
// always had.
QString translateLookup(const char *text)
{
    return QCoreApplication::translate("SqlHandler", text);
}

const char *const satelliteNotFound = QT_TRANSLATE_NOOP("SqlHandler", "Satelite not found in database");
const char *const transponderNotFound =
    QT_TRANSLATE_NOOP("SqlHandler", "Transponder %1 is not among those of %2.");
} // namespace

std::string CodeWord::readErrorMessage()
{
    // The operations' read message, so that both say the same, translated.
    return DeviceOperation::readErrorMessage().toStdString();
}

CodeWord CodeWord::fromText(QStringView text)
{
    // Digits only, as QString::toUInt() reads them: surrounding white space
    // (a CR before the LF) is allowed, signs and "0x" are not.
    text = text.trimmed();
    if (text.isEmpty())
        return CodeWord();
    quint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return CodeWord();
        value = value * 10 + quint64(c.unicode() - '0');
        if (value > 0xFFFFFFFFull)
            return CodeWord();
    }
    return CodeWord(quint32(value));
}

CodeWord CodeWord::makeStatic(quint32 satId, quint32 ubNumber, qint64 f, bool lnb2, bool horizontal,
                              bool highBand)
{
    switch (StaticUbRules::fieldRefusal(satId, ubNumber, f)) {
    case Refusal::UbNumberOutOfRange:
        refuse(translate(ubNumberRefusal).arg(ubNumber + 1));
    case Refusal::SatIdOutOfRange:
        refuse(translate(satIdRefusal).arg(satId));
    case Refusal::FrequencyOutOfRange:
        refuse(translate(frequencyRefusal).arg(shownUb(ubNumber)).arg(f + ifOffset));
    default:
        break;
    }
    return CodeWord(0x80000000u | satId << 24 | ubNumber << 19 | quint32(f) << 8 | quint32(lnb2) << 2 |
                    quint32(horizontal) << 1 | quint32(highBand));
}

CodeWord CodeWord::makeDynamic(quint32 ubNumber, quint32 line, quint32 random)
{
    if (ubNumber > maxUbNumber)
        refuse(translate(ubNumberRefusal).arg(ubNumber + 1));
    if (line > maxLine)
        refuse(translate(lineRefusal).arg(line));
    const quint32 r = random % 15 + 1;
    const quint32 b = (ubNumber * 8) % 256;
    const quint32 k = ((r + line + b) / 2) & 0xFF;
    return CodeWord(k << 24 | b << 16 | line << 8 | r);
}

CodeWord CodeWord::encode(const UBRecord &record, const QString &lnb1, const QString &lnb2,
                          const SatelliteCatalogue &catalogue, quint32 random)
{
    const CodeWord word = wordOf(record, lnb1, lnb2, catalogue, random);
    // A word the switch would hand back as something else is never sent.
    const QString differs = readBackRefusal(word, record, lnb1, lnb2, catalogue);
    if (!differs.isEmpty())
        refuse(differs);
    return word;
}

CodeWord CodeWord::wordOf(const UBRecord &record, const QString &lnb1, const QString &lnb2,
                          const SatelliteCatalogue &catalogue, quint32 random)
{
    if (!record.isStatic())
        return makeDynamic(record.ubNumber, record.line, random);
    if (catalogue.isEmpty())
        throw NoSatelliteData();
    const bool onLnb2 = record.lnb > 0;
    const QString &name = onLnb2 ? lnb2 : lnb1;
    if (catalogue.allTransponders().count(name) == 0)
        refuse(translateLookup(satelliteNotFound));
    const TransponderItem *row = catalogue.findTransponder(name, quint32(record.tp));
    if (StaticUbRules::refusal(record, lnb1, lnb2, catalogue) == Refusal::TransponderUnknown)
        refuse(translateLookup(transponderNotFound).arg(quint32(record.tp)).arg(name));
    const SateliteParams *params = catalogue.findSatelite(name);
    if (!params)
        refuse(translateLookup(satelliteNotFound));
    if (row->satId == noSatId)
        refuse(translate(noSatIdRefusal).arg(shownUb(record.ubNumber)));
    const qint64 f = qint64(record.freq) - qint64(row->oscillatorFrequency) - qint64(ifOffset);
    return makeStatic(row->satId, record.ubNumber, f, onLnb2, row->horizontal(),
                      LnbBands::isHighBand(*params, row->oscillatorFrequency));
}

namespace {

// The first row the word names exactly: its frequency, polarisation bit and
// band. Data may hold rows at one frequency that differ only in what the
// word cannot carry, or in their band.
const TransponderItem *exactRow(const SatelliteCatalogue &catalogue, const QString &satellite,
                                quint32 frequency, bool horizontal, quint32 oscillator)
{
    const auto &all = catalogue.allTransponders();
    const auto rows = all.find(satellite);
    if (rows == all.end())
        return nullptr;
    for (const TransponderItem &item : rows->second) {
        if (item.frequency == frequency && item.horizontal() == horizontal &&
            item.oscillatorFrequency == oscillator)
            return &item;
    }
    return nullptr;
}

// The row a word's F names through `oscillator`: the exact one, else the
// nearest of its polarisation (which may lie in the other band).
const TransponderItem *rowThrough(const SatelliteCatalogue &catalogue, const QString &satellite,
                                  CodeWord word, quint32 oscillator)
{
    const quint32 frequency = oscillator + quint32(CodeWord::ifOffset) + word.f();
    const TransponderItem *row = exactRow(catalogue, satellite, frequency, word.horizontal(), oscillator);
    return row ? row : catalogue.findTransponderByFrequency(satellite, frequency, word.horizontal());
}

} // namespace

UBRecord CodeWord::decode(CodeWord word, quint32 position, QString &lnb1, QString &lnb2,
                          const SatelliteCatalogue &catalogue, bool *lowBandBitInHighBand)
{
    UBRecord record;
    record.ubNumber = position;
    if (lowBandBitInHighBand)
        *lowBandBitInHighBand = false;
    if (word.value() == 0)
        throw std::runtime_error(readErrorMessage());
    if (!word.isStatic()) {
        if (!isReadable(word))
            refuse(translate(lineBeyond).arg(UBRecord::displayName(position)).arg(word.f() + 1));
        record.line = word.f();
        record.freq = slotFrequency(position);
        return record;
    }
    record.type = UBRecord::staticType;
    const QString ub = UBRecord::displayName(position);
    const SateliteParams *params = catalogue.findSateliteById(word.satId());
    if (!params)
        undecodable(translate(unknownSatId).arg(ub).arg(word.satId()));
    const quint32 high = LnbBands::highOscillator(*params);
    if (word.highBand() && high == 0)
        undecodable(translate(noHighBand).arg(ub, params->name));
    quint32 oscillator = word.highBand() ? high : params->lofLow;
    const TransponderItem *row = rowThrough(catalogue, params->name, word, oscillator);
    // Earlier versions sent the high band of a satellite with one oscillator
    // with the band bit 0: where the low band names no row, the high band may.
    if (!word.highBand() && high != 0 && high != oscillator &&
        (!row || row->oscillatorFrequency != oscillator)) {
        const TransponderItem *earlier = rowThrough(catalogue, params->name, word, high);
        if (earlier && earlier->oscillatorFrequency == high) {
            row = earlier;
            oscillator = high;
        }
    }
    record.freq = oscillator + quint32(ifOffset) + word.f();
    if (!row) {
        undecodable(translate(noTransponderThere)
                        .arg(ub, params->name)
                        .arg(record.freq)
                        .arg(word.horizontal() ? QStringLiteral("H") : QStringLiteral("V")));
    }
    if (row->oscillatorFrequency != oscillator)
        undecodable(translate(otherBand).arg(ub).arg(row->transponder).arg(params->name));
    if (lowBandBitInHighBand)
        *lowBandBitInHighBand = !word.highBand() && LnbBands::isHighBand(*params, oscillator);
    record.lnb = word.lnb2() ? 1 : 0;
    (word.lnb2() ? lnb2 : lnb1) = params->name;
    record.tp = qint32(row->transponder);
    record.polarisation = row->polarisation;
    return record;
}

namespace {
// A static word read back names the row it was made from: satellite, LNB,
// frequency, polarisation bit and band.
bool staticReadsBack(const UBRecord &record, const UBRecord &back, const QString &satellite,
                     const QString &readSatellite, const SatelliteCatalogue &catalogue)
{
    const TransponderItem *sent = catalogue.findTransponder(satellite, quint32(record.tp));
    const TransponderItem *read = catalogue.findTransponder(readSatellite, quint32(back.tp));
    return sent && read && back.lnb == record.lnb && readSatellite == satellite && back.freq == record.freq &&
           back.polarisation.horizontalBit() == sent->horizontal() &&
           read->oscillatorFrequency == sent->oscillatorFrequency;
}
} // namespace

QString CodeWord::readBackRefusal(CodeWord word, const UBRecord &record, const QString &lnb1,
                                  const QString &lnb2, const SatelliteCatalogue &catalogue)
{
    bool same = word.isStatic() == record.isStatic() && word.ubNumber() == record.ubNumber;
    if (same) {
        QString readLnb1;
        QString readLnb2;
        bool earlierBand = false;
        try {
            const UBRecord back = decode(word, record.ubNumber, readLnb1, readLnb2, catalogue, &earlierBand);
            const bool onLnb2 = record.lnb > 0;
            same = record.isStatic()
                       ? !earlierBand && staticReadsBack(record, back, onLnb2 ? lnb2 : lnb1,
                                                         onLnb2 ? readLnb2 : readLnb1, catalogue)
                       : back.line == record.line && !back.isStatic();
        } catch (const std::exception &) {
            same = false;
        }
    }
    return same ? QString() : translate(readBackDiffers).arg(UBRecord::displayName(record.ubNumber));
}

QString CodeWord::earlierBandNote(const QList<quint32> &ubNumbers)
{
    if (ubNumbers.isEmpty())
        return QString();
    return translate(earlierBand).arg(UBRecord::displayNames(ubNumbers));
}

QVector<CodeWord> CodeWord::parseList(QStringView reply)
{
    QVector<CodeWord> words;
    qsizetype start = 0;
    for (;;) {
        const qsizetype comma = reply.indexOf(QLatin1Char(','), start);
        const CodeWord word = fromText(comma < 0 ? reply.mid(start) : reply.mid(start, comma - start));
        if (word.value() != 0)
            words.append(word);
        if (comma < 0)
            return words;
        start = comma + 1;
    }
}

QList<UBRecord> CodeWord::decodeConfiguration(QStringView reply, QString &lnb1, QString &lnb2,
                                              const SatelliteCatalogue &catalogue,
                                              QList<quint32> *lowBandBitsInHighBand)
{
    constexpr int planSize = 24;
    const QVector<CodeWord> words = parseList(reply);
    if (words.size() != planSize)
        throw std::runtime_error(readErrorMessage());
    QString newLnb1 = lnb1;
    QString newLnb2 = lnb2;
    QList<UBRecord> list;
    list.reserve(planSize);
    QList<quint32> earlier;
    for (int i = 0; i < planSize; ++i) {
        bool highBand = false;
        list.prepend(decode(words[i], quint32(i), newLnb1, newLnb2, catalogue, &highBand));
        if (highBand)
            earlier.append(quint32(i));
    }
    lnb1 = newLnb1;
    lnb2 = newLnb2;
    if (lowBandBitsInHighBand)
        *lowBandBitsInHighBand = earlier;
    return list;
}

QString CodeWord::configurationCommand(const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                       const SatelliteCatalogue &catalogue,
                                       const std::function<quint32()> &random)
{
    QStringList words;
    words.reserve(list.size());
    for (auto it = list.crbegin(); it != list.crend(); ++it)
        words << encode(*it, lnb1, lnb2, catalogue, it->isStatic() ? 0 : random()).toText();
    return QStringLiteral(":CONF:ALL ") + words.join(QLatin1Char(','));
}
