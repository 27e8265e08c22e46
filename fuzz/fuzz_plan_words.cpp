// The lockout's invariant: whatever passes the check before sending
// (StaticUbRules::refusal for a static UB, a line of the switch for a
// dynamic one) encodes to a word that decodes back to the same assignment
// with the same satellite data: a static UB to its LNB, its satellite and
// its transponder (or the first row the word cannot tell from it), a
// dynamic UB to its line. The bytes make both the
// satellite data (two satellites, frequencies and polarisations shared or
// not) and the UB.
#include "FuzzApplication.h"
#include "device/CodeWord.h"

#include <cstdlib>
#include <stdexcept>

namespace {
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size) : data(data), size(size) {}
    quint32 next() { return at < size ? data[at++] : 0; }
    quint32 next16() { return next() << 8 | next(); }

private:
    const uint8_t *data;
    size_t size;
    size_t at = 0;
};

const char polarisations[] = {'H', 'V', 'L', 'R'};

// Two satellites of up to eight transponders each; the ids differ (data in
// which two satellites share an id cannot tell them apart on the line).
SatelliteCatalogue catalogueFrom(Bytes &bytes, QStringList &names)
{
    SatelliteCatalogue::Transponders items;
    QVector<SateliteParams> params;
    const quint32 firstId = bytes.next() % 130;
    for (quint32 s = 0; s < 2; ++s) {
        const QString name = QStringLiteral("Sat %1").arg(s);
        names << name;
        const quint32 satId = s == 0 ? firstId : (firstId + 1 + bytes.next() % 129) % 130;
        const bool twoBands = bytes.next() % 2 == 1;
        const int count = int(bytes.next() % 9);
        for (int i = 0; i < count; ++i) {
            TransponderItem item;
            item.transponder = quint32(i + 1);
            item.frequency = 10000 + bytes.next16() % 3000;
            item.polarisation =
                Polarisation::fromDataLetter(QString(QLatin1Char(polarisations[bytes.next() % 4])));
            item.oscillatorFrequency = twoBands && bytes.next() % 2 == 1 ? 10600 : 9750;
            item.satId = satId;
            items[name].append(item);
        }
        params.append({name, satId, 9750, twoBands ? 10600u : 0u});
    }
    return SatelliteCatalogue(items, params);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzApplication application("fuzz_plan_words");
    Bytes bytes(data, size);
    QStringList names;
    const SatelliteCatalogue catalogue = catalogueFrom(bytes, names);

    UBRecord record;
    record.ubNumber = bytes.next() % 24;
    const bool isStatic = bytes.next() % 2 == 1;
    record.lnb = bytes.next() % 2;
    if (isStatic) {
        record.type = UBRecord::staticType;
        record.tp = qint32(bytes.next() % 10) - 1;
        const TransponderItem *row =
            record.tp < 0 ? nullptr
                          : catalogue.findTransponder(names.at(int(record.lnb)), quint32(record.tp));
        // Mostly the transponder's own frequency, sometimes another.
        record.freq = row && bytes.next() % 4 != 0 ? row->frequency : 10000 + bytes.next16() % 3000;
        const quint32 known = bytes.next() % 5;
        if (known < 4)
            record.polarisation = Polarisation::fromDataLetter(QString(QLatin1Char(polarisations[known])));
    } else {
        record.line = bytes.next() % 6;
    }
    const quint32 random = bytes.next16();

    // The plan's check keeps dynamic UBs on the switch's lines.
    if (StaticUbRules::refusal(record, names.at(0), names.at(1), catalogue) != CodeWord::Refusal::None ||
        (!isStatic && record.line > CodeWord::maxDynamicLine))
        return 0;
    CodeWord word;
    try {
        word = CodeWord::encode(record, names.at(0), names.at(1), catalogue, random);
    } catch (const std::runtime_error &) {
        std::abort(); // passed the check, yet cannot be sent
    }
    if (!CodeWord::isReadable(word))
        std::abort();
    QString lnb1;
    QString lnb2;
    UBRecord back;
    try {
        back = CodeWord::decode(word, record.ubNumber, lnb1, lnb2, catalogue);
    } catch (const std::runtime_error &) {
        std::abort(); // sent, but the plan could not be read back
    }
    if (back.isStatic() != isStatic)
        std::abort();
    if (isStatic) {
        const QString &sent = record.lnb > 0 ? names.at(1) : names.at(0);
        const QString &read = back.lnb > 0 ? lnb2 : lnb1;
        if (back.lnb != record.lnb || read != sent || back.freq != record.freq)
            std::abort();
        // A word carries one polarisation bit: of two rows at one frequency
        // that share it (H and L, V and R) the first is read back.
        const TransponderItem *sentRow = catalogue.findTransponder(sent, quint32(record.tp));
        const TransponderItem *readRow = catalogue.findTransponder(sent, quint32(back.tp));
        if (back.tp != record.tp &&
            (!sentRow || !readRow || sentRow->frequency != readRow->frequency ||
             sentRow->horizontal() != readRow->horizontal() || readRow->transponder > sentRow->transponder))
            std::abort();
    } else if (back.line != record.line) {
        std::abort();
    }
    return 0;
}
