#include "UBRecord.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>

#include <algorithm>

const QString UBRecord::staticType = QStringLiteral("static");
const QString UBRecord::dynamicType = QStringLiteral("dynamic");

namespace {
// Four numbers, an empty string (its count alone) and two more numbers.
constexpr qint64 minimumRecordBytes = 4 * 4 + 4 + 2 * 4;
} // namespace

QString UBRecord::displayName(quint32 ubNumber)
{
    return QStringLiteral("UB") + twoDigits(ubNumber + 1);
}

QString UBRecord::displayNames(const QList<quint32> &ubNumbers)
{
    QStringList names;
    for (const quint32 ubNumber : ubNumbers)
        names << displayName(ubNumber);
    return names.join(QStringLiteral(", "));
}

QString UBRecord::twoDigits(quint32 number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString UBRecord::rowColour() const
{
    if (isStatic())
        return QStringLiteral("ivory");
    switch (line) {
    case 0:
        return QStringLiteral("#cceeff");
    case 1:
        return QStringLiteral("#99ddff");
    case 2:
        return QStringLiteral("#66ccff");
    default:
        return QStringLiteral("#1ab2ff");
    }
}

TransponderChoice UBRecord::transponderChoice() const
{
    TransponderChoice choice;
    choice.lnb = lnb;
    choice.number = tp;
    choice.frequency = freq;
    choice.polarisation = polarisation;
    choice.standing = standing;
    return choice;
}

void UBRecord::setTransponderChoice(const TransponderChoice &choice)
{
    lnb = choice.lnb;
    tp = choice.number;
    freq = choice.frequency;
    polarisation = choice.polarisation;
    standing = choice.standing;
}

bool UBRecord::operator==(const UBRecord &other) const
{
    return ubNumber == other.ubNumber && line == other.line && localUB == other.localUB &&
           freq == other.freq && localUBFreq == other.localUBFreq && type == other.type && lnb == other.lnb &&
           tp == other.tp && polarisation == other.polarisation && standing == other.standing;
}

QDataStream &operator<<(QDataStream &stream, const UBRecord &record)
{
    stream << record.ubNumber << record.line << record.localUB << record.freq << record.type << record.lnb
           << record.tp;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, UBRecord &record)
{
    stream >> record.ubNumber >> record.line >> record.localUB >> record.freq >> record.type >> record.lnb >>
        record.tp;
    return stream;
}

QDataStream &operator<<(QDataStream &stream, const QList<UBRecord> &list)
{
    stream << quint32(list.size());
    for (const UBRecord &record : list)
        stream << record;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, QList<UBRecord> &list)
{
    list.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return stream;

    qint64 available = 0;
    if (QIODevice *device = stream.device(); device && !device->isSequential())
        available = device->bytesAvailable();
    list.reserve(int(std::min<qint64>(count, available / minimumRecordBytes)));

    for (quint32 i = 0; i < count; ++i) {
        UBRecord record;
        stream >> record;
        if (stream.status() != QDataStream::Ok) {
            list.clear();
            break;
        }
        list.append(record);
    }
    return stream;
}
