#include "SqlHandler.h"

#include <QDir>
#include <QStandardPaths>

#include <stdexcept>

SqlHandler::Connection SqlHandler::defaultConnection()
{
    return {QStringLiteral(FENZO_DB_HOST), QStringLiteral(FENZO_DB_NAME), QStringLiteral(FENZO_DB_USER),
            QStringLiteral(FENZO_DB_PASSWORD), -1};
}

SqlHandler::SqlHandler(Connection connection, QString cacheDirectory, Clock clock)
    : connection(std::move(connection)), notFoundMessage(tr("Satelite not found in database")),
      cacheDirectory(cacheDirectory.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                         : std::move(cacheDirectory)),
      clock(std::move(clock))
{
    if (!QDir(this->cacheDirectory).exists())
        QDir().mkpath(this->cacheDirectory);
}

SqlHandler::~SqlHandler() = default;

void SqlHandler::connectToDatabase()
{
    // Download and cache come with the database work; until then there is
    // never any satellite data.
    dataAvailable = false;
    throw std::runtime_error(statusMessage);
}

QStringList SqlHandler::availableSatelites() const
{
    if (!dataAvailable)
        throw std::runtime_error(statusMessage);
    QStringList names;
    for (const auto &entry : itemsBySatelite)
        names << entry.first;
    return names;
}

QVariantList SqlHandler::itemsForSatelite(const QString &name) const
{
    if (!dataAvailable)
        throw std::runtime_error(statusMessage);
    QVariantList items;
    const auto it = itemsBySatelite.find(name);
    if (it == itemsBySatelite.end())
        return items;
    for (const TransponderItem &item : it->second)
        items << QVariant::fromValue(item.transponder) << QVariant::fromValue(item.frequency);
    return items;
}

const TransponderItem &SqlHandler::getPolarisationForTransponder(const QString &satelite,
                                                                 quint32 transponder) const
{
    const auto it = itemsBySatelite.find(satelite);
    if (it == itemsBySatelite.end())
        throw std::runtime_error(notFoundMessage.toStdString());
    for (const TransponderItem &item : it->second) {
        if (item.transponder == transponder)
            return item;
    }
    throw std::runtime_error("SqlHandler::getPolarisationForTransponder: transponder not found");
}

quint32 SqlHandler::getTransponderByFreq(const QString &satelite, quint32 frequency) const
{
    const auto it = itemsBySatelite.find(satelite);
    if (it == itemsBySatelite.end())
        throw std::runtime_error(notFoundMessage.toStdString());
    for (const TransponderItem &item : it->second) {
        if (item.frequency - 5 < frequency && item.frequency + 5 > frequency)
            return item.transponder;
    }
    throw std::runtime_error("SqlHandler::getTransponderByFreq: no transponder with freq");
}

const SateliteParams &SqlHandler::getSateliteParams(const QString &name) const
{
    for (const SateliteParams &params : sateliteParams) {
        if (params.name == name)
            return params;
    }
    throw std::runtime_error(notFoundMessage.toStdString());
}

const SateliteParams &SqlHandler::getSateliteParamsById(quint32 satId) const
{
    for (const SateliteParams &params : sateliteParams) {
        if (params.satId == satId)
            return params;
    }
    throw std::runtime_error(notFoundMessage.toStdString());
}
