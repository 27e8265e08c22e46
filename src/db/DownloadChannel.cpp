#include "DownloadChannel.h"

#include "io/LogCategories.h"

#include <QtEndian>

namespace {
constexpr quint32 nullField = 0xFFFFFFFFu;
constexpr int headerBytes = 5;

QString damaged()
{
    return DownloadChannel::tr("the download process sent a damaged answer");
}

QString moreAfterTheEnd()
{
    return DownloadChannel::tr("the download process sent more after its end");
}

void appendNumber(QByteArray &to, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    to.append(bytes, 4);
}

quint32 numberAt(const QByteArray &bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// The fields of a message; false when the bytes are not fields.
bool split(const QByteArray &payload, DownloadChannel::Fields *fields)
{
    int at = 0;
    while (at < payload.size()) {
        if (payload.size() - at < 4)
            return false;
        const quint32 length = numberAt(payload, at);
        at += 4;
        if (length == nullField) {
            fields->append(QByteArray());
            continue;
        }
        if (length > quint32(payload.size() - at))
            return false;
        fields->append(payload.mid(at, int(length)));
        at += int(length);
    }
    return true;
}

QByteArray flag(bool value)
{
    return value ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// The child's log line, in the program's own category of the same name.
void relog(const DownloadChannel::Fields &fields)
{
    const QString text = QString::fromUtf8(fields.value(2).left(DownloadChannel::maxLogBytes));
    const QLoggingCategory &category = fields.value(1) == dbLog().categoryName() ? dbLog() : downloadLog();
    switch (fields.value(0).toInt()) {
    case QtDebugMsg:
        qCDebug(category).noquote() << text;
        break;
    case QtInfoMsg:
        qCInfo(category).noquote() << text;
        break;
    case QtWarningMsg:
        qCWarning(category).noquote() << text;
        break;
    default:
        qCCritical(category).noquote() << text;
        break;
    }
}
} // namespace

QByteArray DownloadChannel::message(Kind kind, const Fields &fields)
{
    QByteArray payload;
    for (const QByteArray &field : fields) {
        appendNumber(payload, field.isNull() ? nullField : quint32(field.size()));
        payload += field;
    }
    QByteArray bytes(1, char(kind));
    appendNumber(bytes, quint32(payload.size()));
    return bytes + payload;
}

QByteArray DownloadChannel::settings(const SqlHandler::Connection &connection)
{
    return message(Settings,
                   {connection.hostName.toUtf8(), connection.databaseName.toUtf8(),
                    connection.userName.toUtf8(), connection.password.toUtf8(),
                    QByteArray::number(connection.port), QByteArray::number(connection.timeoutSeconds),
                    connection.caFile.toUtf8(), flag(connection.requireTls)});
}

bool DownloadChannel::readSettings(const QByteArray &bytes, SqlHandler::Connection *connection)
{
    Fields fields;
    if (bytes.size() < headerBytes || bytes.size() > maxMessageBytes || bytes.at(0) != Settings ||
        numberAt(bytes, 1) != quint32(bytes.size() - headerBytes) ||
        !split(bytes.mid(headerBytes), &fields) || fields.size() != 8)
        return false;
    bool portRead = false;
    bool timeoutRead = false;
    SqlHandler::Connection read;
    read.hostName = QString::fromUtf8(fields.at(0));
    read.databaseName = QString::fromUtf8(fields.at(1));
    read.userName = QString::fromUtf8(fields.at(2));
    read.password = QString::fromUtf8(fields.at(3));
    read.port = fields.at(4).toInt(&portRead);
    read.timeoutSeconds = fields.at(5).toInt(&timeoutRead);
    read.caFile = QString::fromUtf8(fields.at(6));
    read.requireTls = fields.at(7) == flag(true);
    if (!portRead || !timeoutRead || read.port < -1 || read.port > 65535 || read.timeoutSeconds < 1 ||
        read.timeoutSeconds > 3600)
        return false;
    *connection = read;
    return true;
}

QByteArray DownloadChannel::outcome(const SqlHandler::Download &result)
{
    return message(Outcome, {flag(result.opened), flag(result.complete), flag(result.withoutSatellites),
                             flag(result.encrypted), result.reason.toUtf8()});
}

DownloadChannel::DownloadChannel(const SqlHandler::Limits &limits) : limits(limits), tables(limits) {}

QString DownloadChannel::feed(const QByteArray &bytes)
{
    if (refused)
        return QString();
    if (outcomeRead) {
        refused = !bytes.isEmpty();
        return refused ? moreAfterTheEnd() : QString();
    }
    // The most a download within the limits can send: its rows with their
    // framing, the table names, the log lines and the outcome.
    const qint64 most = limits.bytes + qint64(limits.rows) * 48 + qint64(limits.tables) * 512 +
                        qint64(maxLogLines + 1) * (maxLogBytes + 64) + 64 * 1024;
    bytesTaken += bytes.size();
    QString reason;
    if (bytesTaken > most)
        reason = DownloadTables::tooManyBytes(most);
    pending += bytes;
    while (reason.isEmpty() && !outcomeRead && pending.size() >= headerBytes) {
        const quint32 length = numberAt(pending, 1);
        if (length > quint32(maxMessageBytes)) {
            reason = damaged();
            break;
        }
        if (quint32(pending.size() - headerBytes) < length)
            break;
        const char kind = pending.at(0);
        const QByteArray payload = pending.mid(headerBytes, int(length));
        pending.remove(0, headerBytes + int(length));
        reason = take(kind, payload);
    }
    if (reason.isEmpty() && outcomeRead && !pending.isEmpty())
        reason = moreAfterTheEnd();
    refused = !reason.isEmpty();
    return reason;
}

QString DownloadChannel::take(char kind, const QByteArray &payload)
{
    Fields fields;
    if (!split(payload, &fields))
        return damaged();
    switch (kind) {
    case Opened:
        connectionOpened = true;
        return QString();
    case Log:
        if (fields.size() != 3)
            return damaged();
        // Lines past the limit are left out; the download goes on.
        if (++logLines <= maxLogLines)
            relog(fields);
        return QString();
    case TableListed:
        if (fields.size() != 1 || !connectionOpened)
            return damaged();
        return tables.addTable(fields);
    case TableRows:
        if (fields.size() != 1 || !tables.tables().contains(QString::fromUtf8(fields.at(0))))
            return damaged();
        table = QString::fromUtf8(fields.at(0));
        return QString();
    case Row:
        if (table.isNull())
            return damaged();
        return tables.addRow(table, fields);
    case Outcome:
        return takeOutcome(fields);
    default:
        return damaged();
    }
}

QString DownloadChannel::takeOutcome(const Fields &fields)
{
    if (fields.size() != 5)
        return damaged();
    outcomeRead = true;
    result.opened = fields.at(0) == flag(true);
    result.complete = fields.at(1) == flag(true);
    result.withoutSatellites = fields.at(2) == flag(true);
    result.encrypted = fields.at(3) == flag(true);
    result.reason = QString::fromUtf8(fields.at(4).left(maxLogBytes));
    connectionOpened = connectionOpened || result.opened;
    if (!result.complete)
        return QString();
    try {
        result.tables = tables.result();
    } catch (const std::exception &e) {
        result.complete = false;
        result.reason = QString::fromUtf8(e.what());
    }
    return QString();
}

SqlHandler::Download DownloadChannel::download(const SqlHandler::Connection &server) const
{
    SqlHandler::Download whole = result;
    whole.server = server;
    whole.opened = connectionOpened;
    if (!outcomeRead)
        whole.complete = false;
    return whole;
}
