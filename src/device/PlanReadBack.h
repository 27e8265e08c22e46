#pragma once

#include "DeviceReplies.h"
#include "SentPlan.h"
#include "model/SatelliteCatalogue.h"

#include <QCoreApplication>
#include <QStringList>

// How a send's read-back ended.
enum class ReadBackState
{
    // Nothing was sent, so nothing read back.
    None,
    Matches,
    Differs,
    // The switch did not answer the read-back.
    Unanswered
};

// The switch's working plan, read back after a send, held against what was
// sent. Only what the switch acts on is compared: the options, the type of
// each word, a static word's satellite id, UB number, F, LNB, polarisation and
// band (bits 3-7 ignored), a dynamic word's line by its place on the line.
// A dynamic word's check byte follows its random field, which the switch
// may choose itself; a UB number in it other than its place is only noted.
class PlanReadBack
{
    Q_DECLARE_TR_FUNCTIONS(PlanReadBack)

public:
    PlanReadBack(const SentPlan &sent, const DeviceReplies &held, const SatelliteCatalogue &data);

    bool matches() const { return differing.isEmpty(); }
    // One line per difference in the user's language, the options first,
    // then the UBs from UB01, each followed by the raw words of both sides.
    const QStringList &differences() const { return differing; }
    // What differs but does not matter to the switch.
    const QStringList &notes() const { return noted; }

    // What the user is told after a send that was read back.
    static QString sentAndMatchesMessage();
    static QString storedAndMatchesMessage();
    // The plan went out, the read-back found `differences`.
    static QString differsMessage(const QStringList &differences);
    // The plan went out, the read-back failed for `reason`.
    static QString notReadBackMessage(const QString &reason);

private:
    void compareOptions(const SentPlan &sent, const DeviceReplies &held);
    void compareWords(const SentPlan &sent, const QVector<CodeWord> &held, const SatelliteCatalogue &data);
    void compareWord(quint32 position, CodeWord sent, CodeWord held, const SentPlan &names,
                     const SatelliteCatalogue &data);
    static bool sameForTheSwitch(CodeWord sent, CodeWord held);
    static QString described(CodeWord word, quint32 position, const SentPlan &names,
                             const SatelliteCatalogue &data);
    static QString dynamicText(CodeWord word);
    static QString fields(CodeWord word);
    void add(const QString &what, const QString &sent, const QString &held);

    QStringList differing;
    QStringList noted;
};
