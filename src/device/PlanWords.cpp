#include "PlanWords.h"

#include "model/BandPlan.h"
#include "model/NoSatelliteData.h"
#include "model/PlanCheck.h"
#include "model/SwitchSatellites.h"

#include <algorithm>
#include <stdexcept>

PlanWords PlanWords::encode(const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                            const SatelliteCatalogue &catalogue, const std::function<quint32()> &random)
{
    PlanWords result;
    if (list.size() != BandPlan::size) {
        result.refused << sizeRefusal(list.size());
        return result;
    }
    const bool anyStatic =
        std::any_of(list.cbegin(), list.cend(), [](const UBRecord &record) { return record.isStatic(); });
    if (anyStatic && catalogue.isEmpty())
        throw NoSatelliteData();
    QVector<CodeWord> words;
    words.reserve(list.size());
    // UB 0 is the last record; the random source is drawn in that order.
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        const UBRecord &record = *it;
        if (record.ubNumber > CodeWord::maxUbNumber) {
            result.refused << ubNumberRefusal(record.ubNumber);
            continue;
        }
        if (!record.isStatic() && record.line > CodeWord::maxDynamicLine) {
            result.refused << lineRefusal(record.ubNumber, record.line);
            continue;
        }
        const CodeWord::Refusal refusal = StaticUbRules::refusal(record, lnb1, lnb2, catalogue);
        if (refusal != CodeWord::Refusal::None) {
            result.refused << staticRefusal(refusal, record, lnb1, lnb2, catalogue);
            continue;
        }
        const quint32 drawn = record.isStatic() || !random ? 0u : random();
        try {
            // Refuses a word that would not read back as the record.
            words << CodeWord::encode(record, lnb1, lnb2, catalogue, drawn);
        } catch (const NoSatelliteData &) {
            throw;
        } catch (const std::runtime_error &error) {
            result.refused << QString::fromStdString(error.what());
        }
    }
    if (result.refused.isEmpty())
        result.sent = words;
    return result;
}

PlanWords PlanWords::verbatim(const QVector<CodeWord> &words)
{
    PlanWords result;
    if (words.size() != BandPlan::size) {
        result.refused << sizeRefusal(words.size());
        return result;
    }
    for (int position = 0; position < words.size(); ++position) {
        if (!CodeWord::isReadable(words.at(position)))
            result.refused << lineRefusal(quint32(position), words.at(position).f());
    }
    if (result.refused.isEmpty())
        result.sent = words;
    return result;
}

QString PlanWords::message() const
{
    if (refused.isEmpty())
        return QString();
    return tr("Nothing was sent to the switch because some UBs cannot be sent:") + QLatin1Char('\n') +
           refused.join(QLatin1Char('\n'));
}

QString PlanWords::sizeRefusal(int size)
{
    return tr("The plan has %1 UBs; the switch has %2.").arg(size).arg(BandPlan::size);
}

QString PlanWords::ubNumberRefusal(quint32 ubNumber)
{
    return tr("%1: the switch has UBs 1 to %2 only.")
        .arg(UBRecord::displayName(ubNumber))
        .arg(BandPlan::size);
}

QString PlanWords::lineRefusal(quint32 ubNumber, quint32 line)
{
    return PlanCheck::lineMessage(ubNumber, line);
}

QString PlanWords::staticRefusal(CodeWord::Refusal refusal, const UBRecord &record, const QString &lnb1,
                                 const QString &lnb2, const SatelliteCatalogue &catalogue)
{
    const QString ub = UBRecord::displayName(record.ubNumber);
    const QString &satellite = record.lnb > 0 ? lnb2 : lnb1;
    switch (refusal) {
    case CodeWord::Refusal::SatelliteUnknown:
        return tr("%1: the satellite %2 is not in the satellite data.").arg(ub, satellite);
    case CodeWord::Refusal::TransponderUnknown:
        if (record.tp < 0)
            return tr("%1: a static UB without a transponder.").arg(ub);
        // What the plan holds, not its number, which may belong to another.
        return record.transponderChoice().missingMessage(record.ubNumber, satellite);
    case CodeWord::Refusal::SatIdOutOfRange:
        return SwitchSatellites::staticRefusal({record.ubNumber}, satellite);
    case CodeWord::Refusal::FrequencyOutOfRange: {
        // staticRefusal found the row, or it would have said so.
        const TransponderItem *row = catalogue.findTransponder(satellite, quint32(record.tp));
        const qint64 above = qint64(record.freq) - qint64(row ? row->oscillatorFrequency : 0);
        return StaticUbRules::frequencyMessage(record.ubNumber, above);
    }
    case CodeWord::Refusal::UbNumberOutOfRange:
        return ubNumberRefusal(record.ubNumber);
    case CodeWord::Refusal::NoSatelliteData:
    case CodeWord::Refusal::None:
        break;
    }
    // encode() has ruled out both: no data throw before, and None is sent.
    throw NoSatelliteData();
}
