#pragma once

#include "CodeWord.h"
#include "model/SatelliteCatalogue.h"
#include "model/UBRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The code words a transfer sends, all of them put together before the first
// command goes to the switch: either every word can be sent, or nothing is
// and the refusals say why, one line per UB in the user's language.
class PlanWords
{
    Q_DECLARE_TR_FUNCTIONS(PlanWords)

public:
    // The words of a plan (model order, UB 23 first) with the satellite data.
    // A static UB and no satellite data at all throw NoSatelliteData; the
    // random source is drawn once per dynamic UB and may throw.
    static PlanWords encode(const QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                            const SatelliteCatalogue &catalogue, const std::function<quint32()> &random);
    // Words to be sent as they are (a verbatim backup, UB 0 first): only
    // their structure is checked, never the satellite data they were made with.
    static PlanWords verbatim(const QVector<CodeWord> &words);

    bool sendable() const { return refused.isEmpty(); }
    // UB 0 first; empty unless sendable.
    const QVector<CodeWord> &words() const { return sent; }
    // One line per UB that cannot be sent, UB01 first.
    const QStringList &refusals() const { return refused; }
    // What the user is told: that nothing was sent, and the refusals.
    QString message() const;

private:
    static QString sizeRefusal(int size);
    static QString ubNumberRefusal(quint32 ubNumber);
    static QString lineRefusal(quint32 ubNumber, quint32 line);
    static QString staticRefusal(CodeWord::Refusal refusal, const UBRecord &record, const QString &lnb1,
                                 const QString &lnb2, const SatelliteCatalogue &catalogue);

    QVector<CodeWord> sent;
    QStringList refused;
};
