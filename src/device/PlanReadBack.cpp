#include "PlanReadBack.h"

#include "model/PlanComparison.h"
#include "model/UBRecord.h"

#include <exception>

namespace {
// A static word's bits the switch does not use.
constexpr quint32 unusedStaticBits = 0xF8;

quint32 dynamicLine(CodeWord word)
{
    return (word.value() >> 8) & 0xFF;
}
} // namespace

PlanReadBack::PlanReadBack(const SentPlan &sent, const DeviceReplies &held, const SatelliteCatalogue &data)
{
    compareOptions(sent, held);
    compareWords(sent, held.words(), data);
}

QString PlanReadBack::sentAndMatchesMessage()
{
    return tr("Sent; the switch's working plan was read back and matches.");
}

QString PlanReadBack::storedAndMatchesMessage()
{
    return tr("Stored in the switch; its working plan was read back and matches.");
}

QString PlanReadBack::differsMessage(const QStringList &differences)
{
    return tr("The plan was sent, but the switch's working plan, read back, differs from it:") +
           QLatin1Char('\n') + differences.join(QLatin1Char('\n'));
}

QString PlanReadBack::notReadBackMessage(const QString &reason)
{
    return tr("The plan was sent, but the switch's working plan could not be read back: %1").arg(reason);
}

void PlanReadBack::add(const QString &what, const QString &sent, const QString &held)
{
    differing << tr("%1: sent %2, the switch holds %3").arg(what, sent, held);
}

void PlanReadBack::compareOptions(const SentPlan &sent, const DeviceReplies &held)
{
    const struct
    {
        QString name;
        bool sent;
        bool held;
    } options[] = {{PlanComparison::terrestrialPathName(), sent.terrestrialPath,
                    DeviceReplies::isOn(held.terrestrialPath)},
                   {PlanComparison::lteFilterName(), sent.lteFilter, DeviceReplies::isOn(held.lteFilter)},
                   {PlanComparison::standByName(), sent.standBy, DeviceReplies::isOn(held.standBy)}};
    for (const auto &option : options) {
        if (option.sent != option.held)
            add(option.name, PlanComparison::onOff(option.sent), PlanComparison::onOff(option.held));
    }
}

void PlanReadBack::compareWords(const SentPlan &sent, const QVector<CodeWord> &held,
                                const SatelliteCatalogue &data)
{
    if (held.size() != sent.words.size())
        differing << tr("The switch holds %n code words instead of %1.", nullptr, int(held.size()))
                         .arg(sent.words.size());
    const int common = int(qMin(held.size(), sent.words.size()));
    for (int position = 0; position < common; ++position)
        compareWord(quint32(position), sent.words.at(position), held.at(position), sent, data);
}

bool PlanReadBack::sameForTheSwitch(CodeWord sent, CodeWord held)
{
    if (sent.isStatic() != held.isStatic())
        return false;
    if (sent.isStatic())
        return (sent.value() & ~unusedStaticBits) == (held.value() & ~unusedStaticBits);
    return dynamicLine(sent) == dynamicLine(held);
}

void PlanReadBack::compareWord(quint32 position, CodeWord sent, CodeWord held, const SentPlan &names,
                               const SatelliteCatalogue &data)
{
    const QString ub = UBRecord::displayName(position);
    if (sameForTheSwitch(sent, held)) {
        if (!held.isStatic() && held.ubNumber() != position)
            noted << tr("%1: the switch's word names %2; the switch goes by the word's place on the line.")
                         .arg(ub, UBRecord::displayName(held.ubNumber()));
        return;
    }
    QString sentText = described(sent, position, names, data);
    QString heldText = described(held, position, names, data);
    // The difference lies in a field the description leaves out.
    if (sentText == heldText) {
        sentText = fields(sent);
        heldText = fields(held);
    }
    add(ub, sentText, heldText);
    differing
        << tr("%1: sent the word %2, the switch holds the word %3").arg(ub, sent.toText(), held.toText());
}

QString PlanReadBack::described(CodeWord word, quint32 position, const SentPlan &names,
                                const SatelliteCatalogue &data)
{
    if (!word.isStatic())
        return dynamicText(word);
    QString lnb1 = names.lnb1;
    QString lnb2 = names.lnb2;
    try {
        const UBRecord record = CodeWord::decode(word, position, lnb1, lnb2, data);
        return tr("%1 MHz %2 on %3")
            .arg(record.freq)
            .arg(record.polarisation.letter(), record.lnb > 0 ? lnb2 : lnb1);
    } catch (const std::exception &) {
        // The satellite data cannot explain it: its fields say what it is.
        return fields(word);
    }
}

QString PlanReadBack::dynamicText(CodeWord word)
{
    return tr("a dynamic UB on line %1").arg(dynamicLine(word) + 1);
}

QString PlanReadBack::fields(CodeWord word)
{
    if (!word.isStatic())
        return dynamicText(word);
    return tr("a static UB with satellite id %1, UB number %2, F %3, LNB%4, %5, %6")
        .arg(word.satId())
        .arg(word.ubNumber())
        .arg(word.f())
        .arg(word.lnb2() ? 2 : 1)
        .arg(word.horizontal() ? QStringLiteral("H") : QStringLiteral("V"),
             word.highBand() ? tr("high band") : tr("low band"));
}
