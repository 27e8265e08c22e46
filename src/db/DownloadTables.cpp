#include "DownloadTables.h"
#include "ServerLink.h"

#include "model/LnbBands.h"

#include <QCoreApplication>

#include <set>
#include <stdexcept>

namespace {
// A transponder from its row; a field that is no number reads as 0, as the
// server's own conversion would.
TransponderItem itemFromRow(const DownloadTables::Row &row)
{
    TransponderItem item;
    item.transponder = row.at(0).toUInt();
    item.frequency = row.at(1).toUInt();
    // Circular polarisation is kept.
    item.polarisation = Polarisation::fromDataLetter(QString::fromUtf8(row.at(2)));
    item.oscillatorFrequency = row.at(3).toUInt();
    item.satId = row.at(4).toUInt();
    return item;
}
} // namespace

DownloadTables::DownloadTables(const SqlHandler::Limits &limits, const SqlHandler::Progress &told)
    : limits(limits), told(told)
{
}

QString DownloadTables::tooManyBytes(qint64 bytes)
{
    return QCoreApplication::translate("SqlHandler", "the server sent more than %1 MB")
        .arg(bytes / (1024 * 1024));
}

QString DownloadTables::addTable(const Row &row)
{
    const QString name = row.isEmpty() ? QString() : QString::fromUtf8(row.at(0));
    if (name.size() > limits.tableNameCharacters)
        return QCoreApplication::translate("SqlHandler",
                                           "the server sent a table name longer than %1 characters")
            .arg(limits.tableNameCharacters);
    if (names.size() >= limits.tables)
        return QCoreApplication::translate("SqlHandler", "the server lists more than %1 tables")
            .arg(limits.tables);
    names << name;
    if (told.tableListed)
        told.tableListed(row.value(0));
    return QString();
}

QString DownloadTables::addRow(const QString &table, const Row &row)
{
    QVector<TransponderItem> &of = items[table];
    const QString over = count(row, of.size() + 1);
    if (!over.isEmpty())
        return over;
    if (row.size() < rowColumns)
        return ServerLink::columnsMessage(row.size(), rowColumns);
    of.append(itemFromRow(row));
    if (told.rowRead)
        told.rowRead(table, row);
    return QString();
}

QString DownloadTables::count(const Row &row, int rowsOfTable)
{
    for (const QByteArray &field : row)
        bytes += field.size();
    ++rows;
    if (bytes > limits.bytes)
        return tooManyBytes(limits.bytes);
    if (rows > limits.rows)
        return QCoreApplication::translate("SqlHandler", "the server sent more than %1 transponders")
            .arg(limits.rows);
    if (rowsOfTable > limits.rowsPerTable)
        return QCoreApplication::translate("SqlHandler",
                                           "the server sent more than %1 transponders for one satellite")
            .arg(limits.rowsPerTable);
    return QString();
}

SqlHandler::Tables DownloadTables::result() const
{
    SqlHandler::Tables tables;
    for (const QString &name : names)
        tables.items[name];
    for (const auto &entry : items) {
        if (names.contains(entry.first))
            tables.items[entry.first] = entry.second;
    }
    for (const auto &entry : tables.items) {
        std::set<quint32> frequencies;
        quint32 satId = 0;
        for (const TransponderItem &item : entry.second) {
            frequencies.insert(item.oscillatorFrequency);
            satId = item.satId;
        }
        if (frequencies.size() > 2)
            throw std::runtime_error(
                "SqlHandler::createSateliteParams: more than two freqs found for one satelite!");
        SateliteParams params;
        params.name = entry.first;
        params.satId = satId;
        tables.params.append(LnbBands::withOscillators(params, entry.second));
    }
    return tables;
}
