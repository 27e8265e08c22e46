#include "DeviceReplies.h"

#include <algorithm>
#include <array>

namespace {
constexpr int planSize = 24;

QString escaped(const QString &reply)
{
    QString text;
    for (const QChar c : reply) {
        if (c == QLatin1Char('\\'))
            text += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            text += QLatin1String("\\r");
        else
            text += c;
    }
    return text;
}

// False when an escape is not one of those escaped() writes.
bool unescaped(const QString &text, QString &reply)
{
    reply.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\')) {
            reply += text.at(i);
            continue;
        }
        if (++i >= text.size())
            return false;
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            reply += QLatin1Char('\\');
        else if (c == QLatin1Char('n'))
            reply += QLatin1Char('\n');
        else if (c == QLatin1Char('r'))
            reply += QLatin1Char('\r');
        else
            return false;
    }
    return true;
}
} // namespace

QByteArray DeviceReplies::toText() const
{
    const QString text = QStringLiteral(":CONF:LTEFILT? ") + escaped(lteFilter) +
                         QStringLiteral("\n:CONF:STBY? ") + escaped(standBy) +
                         QStringLiteral("\n:CONF:TERRAMP? ") + escaped(terrestrialPath) +
                         QStringLiteral("\n:CONF:ALL? ") + escaped(configuration) + QLatin1Char('\n');
    return text.toUtf8();
}

bool DeviceReplies::fromText(const QByteArray &text, DeviceReplies &replies, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QString decoded = QString::fromUtf8(text);
    if (decoded.toUtf8() != text)
        return refuse(tr("It is not a UTF-8 text."));
    QStringList lines = decoded.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const std::array<QString, 4> queries{QStringLiteral(":CONF:LTEFILT?"), QStringLiteral(":CONF:STBY?"),
                                         QStringLiteral(":CONF:TERRAMP?"), QStringLiteral(":CONF:ALL?")};
    // Read into a copy: a refused text leaves the caller's replies alone.
    DeviceReplies read;
    const std::array<QString *, 4> fields{&read.lteFilter, &read.standBy, &read.terrestrialPath,
                                          &read.configuration};
    std::array<bool, 4> seen{};
    for (QString line : qAsConst(lines)) {
        // Saved by an editor on Windows.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString query = line.left(blank);
        const auto known = std::find(queries.begin(), queries.end(), query);
        if (blank < 0 || known == queries.end())
            return refuse(tr("The line \"%1\" is no query and reply of the switch.").arg(line.left(40)));
        const auto n = std::size_t(known - queries.begin());
        if (seen[n])
            return refuse(tr("The reply to %1 appears twice.").arg(query));
        seen[n] = true;
        if (!unescaped(line.mid(blank + 1), *fields[n]) || fields[n]->isEmpty())
            return refuse(tr("The reply to %1 is not a reply of the switch.").arg(query));
    }
    for (std::size_t n = 0; n < queries.size(); ++n) {
        if (!seen[n])
            return refuse(tr("The reply to %1 is missing.").arg(queries[n]));
    }
    if (read.words().size() != planSize)
        return refuse(tr("The reply to :CONF:ALL? does not hold 24 code words."));
    replies = read;
    return true;
}

bool DeviceReplies::operator==(const DeviceReplies &other) const
{
    return lteFilter == other.lteFilter && standBy == other.standBy &&
           terrestrialPath == other.terrestrialPath && configuration == other.configuration;
}
