#pragma once

#include "CodeWord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The switch's answers to the four queries of a read, exactly as they came
// (without their line end): what a verbatim backup keeps, and what a restore
// sends back when the satellite data cannot explain the plan.
struct DeviceReplies
{
    Q_DECLARE_TR_FUNCTIONS(DeviceReplies)

public:
    QString lteFilter;
    QString standBy;
    QString terrestrialPath;
    QString configuration;

    // The most a text of replies can hold: far more than four replies of
    // bounded lines need.
    static constexpr qint64 maxTextBytes = 64 * 1024;

    // A switch says "ON" somewhere in the reply of a switched-on option.
    static bool isOn(const QString &reply) { return reply.contains(QLatin1String("ON")); }
    // The configuration's code words in line order, UB 0 first.
    QVector<CodeWord> words() const { return CodeWord::parseList(configuration); }

    // The text of a verbatim backup: one line per query, the query, a blank
    // and the reply; a backslash, CR or LF inside a reply is escaped.
    QByteArray toText() const;
    // Reads such a text. False, with a translated reason, when it is not one:
    // four lines, each query once, a plan of 24 words.
    static bool fromText(const QByteArray &text, DeviceReplies &replies, QString *reason);

    bool operator==(const DeviceReplies &other) const;
    bool operator!=(const DeviceReplies &other) const { return !(*this == other); }
};
