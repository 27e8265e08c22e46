#pragma once

#include "SqlHandler.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The download's rows as the client library hands them over (each field a
// byte string, a NULL a null array) turned into satellite data, counted
// against the limits as they arrive, so that a server sending too much is
// refused before it fills the memory. It touches no connection.
class DownloadTables
{
public:
    using Row = QVector<QByteArray>;
    // SELECT Transponder, Frequenz, Polarisation, Oszillatorfrequenz, SATID
    static constexpr int rowColumns = 5;

    // `told` hears of every row taken, as it came (see SqlHandler::Progress).
    explicit DownloadTables(const SqlHandler::Limits &limits,
                            const SqlHandler::Progress &told = SqlHandler::Progress());

    // Why a download was refused for its size.
    static QString tooManyBytes(qint64 bytes);

    // A row of SHOW TABLES. Every answer is a reason when the row is over a
    // limit, empty when it was taken.
    QString addTable(const Row &row);
    const QStringList &tables() const { return names; }
    // A row of the result set of `table`, one of tables().
    QString addRow(const QString &table, const Row &row);
    // The data; throws std::runtime_error when a satellite has more than
    // two oscillator frequencies.
    SqlHandler::Tables result() const;

private:
    QString count(const Row &row, int rowsOfTable);

    SqlHandler::Limits limits;
    SqlHandler::Progress told;
    QStringList names;
    std::map<QString, QVector<TransponderItem>> items;
    qint64 bytes = 0;
    int rows = 0;
};
