#include "SatelliteSource.h"

#include "ServerSettings.h"

#include <QDir>
#include <QLocale>

SatelliteSource::SatelliteSource(const Connection &connection, const QString &cacheDirectory, Clock clock,
                                 BuiltInLoader builtIn, int downloadDeadlineMs,
                                 const QString &downloadProgram, QObject *parent)
    : QObject(parent),
      handler(std::make_unique<SqlHandler>(connection, cacheDirectory, std::move(clock), std::move(builtIn))),
      downloadDeadlineMs(downloadDeadlineMs), downloadProgram(downloadProgram)
{
    connect(handler.get(), &SqlHandler::savedDataOutdated, this, &SatelliteSource::savedDataOutdated);
    connect(handler.get(), &SqlHandler::downloadBrokenOff, this, &SatelliteSource::downloadBrokenOff);
    connect(handler.get(), &SqlHandler::downloadWithoutSatellites, this,
            &SatelliteSource::downloadWithoutSatellites);
    connect(handler.get(), &SqlHandler::cacheProblem, this, &SatelliteSource::cacheProblem);
}

SatelliteSource::~SatelliteSource() = default;

bool SatelliteSource::startDownload()
{
    // A worker given up at its deadline may still be connecting: one at a
    // time.
    if (running || SatelliteDownload::runningWorkers() > 0)
        return false;
    running = new SatelliteDownload(handler->connectionSettings(), downloadDeadlineMs, downloadProgram, this);
    connect(running, &SatelliteDownload::finished, this, [this](const Download &result) {
        running->deleteLater();
        running = nullptr;
        emit downloadFinished(result);
    });
    return true;
}

QString SatelliteSource::shownDate(const QDate &date)
{
    //: The form of a date in the program's texts (QDate::toString): in German "dd.MM.yyyy".
    return QLocale().toString(date, tr("d MMM yyyy"));
}

QString SatelliteSource::serverFailureText() const
{
    if (source() == Source::Server || failureReason().isEmpty())
        return QString();
    const Connection &c = connectionSettings();
    return tr("No satellite data from the server %1:%2: %3")
        .arg(c.hostName, QString::number(ServerSettings::portOf(c)), failureReason());
}

QString SatelliteSource::originText() const
{
    const QString date = shownDate(dataDate());
    switch (source()) {
    case Source::Server: {
        const Connection &c = dataServer();
        return tr("server %1:%2").arg(c.hostName, QString::number(ServerSettings::portOf(c)));
    }
    case Source::Cache:
        return tr("offline cache of %1").arg(date);
    case Source::BuiltIn:
        return tr("built in, as of %1").arg(date);
    case Source::Import:
        return tr("imported from %1, %2").arg(QDir::toNativeSeparators(importSource()), date);
    case Source::None:
        break;
    }
    return QString();
}
