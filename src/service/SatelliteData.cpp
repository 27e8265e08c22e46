#include "SatelliteData.h"

#include "db/BuiltInSatellites.h"
#include "db/OwnTransponderFile.h"
#include "model/SwitchSatellites.h"

SatelliteData::SatelliteData(const Environment &environment, QObject *parent)
    : QObject(parent), satellites(std::make_unique<SatelliteSource>(
                           environment.connection, environment.cacheDirectory, environment.clock,
                           environment.builtIn, environment.downloadDeadlineMs, environment.downloadProgram)),
      idTable(BuiltInSatellites::idTable())
{
    connect(satellites.get(), &SatelliteSource::savedDataOutdated, this, &SatelliteData::savedDataOutdated);
    connect(satellites.get(), &SatelliteSource::downloadBrokenOff, this,
            [this](const QString &reason) { emit warning(SatelliteSource::brokenOffWarning(reason)); });
    connect(satellites.get(), &SatelliteSource::downloadWithoutSatellites, this, &SatelliteData::warning);
    connect(satellites.get(), &SatelliteSource::cacheProblem, this, &SatelliteData::warning);
    connect(satellites.get(), &SatelliteSource::downloadFinished, this, &SatelliteData::downloadFinished);
}

SatelliteData::~SatelliteData() = default;

void SatelliteData::loadNow()
{
    satellites->loadNow();
}

bool SatelliteData::take(const Download &result)
{
    return satellites->useDownload(result);
}

QString SatelliteData::withFailureReason(const QString &message) const
{
    // A wrong password or a missing database is not the user's internet
    // connection.
    const QString reason = satellites->failureReason();
    return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
}

SatelliteData::Adding SatelliteData::addOwnTransponder(const OwnTransponder &entry)
{
    Adding adding;
    // A damaged file is never written over: what it holds stays for mending.
    adding.refusal = satellites->ownTransponderProblem();
    if (!adding.refusal.isEmpty())
        return adding;
    OwnTransponders own = satellites->ownTransponders();
    adding.refusal = own.refusal(*catalogue(), entry);
    if (!adding.refusal.isEmpty())
        return adding;
    if (!own.add(entry)) {
        adding.listedTwice = true;
        return adding;
    }
    if (OwnTransponderFile(satellites->ownTransponderPath()).write(own, &adding.refusal))
        adding.dataChanged = satellites->reloadOwnTransponders();
    return adding;
}

QStringList SatelliteData::startPair() const
{
    return SwitchSatellites::startPair(*catalogue(),
                                       satellites->source() == SatelliteSource::Source::BuiltIn);
}

QString SatelliteData::numberingNote() const
{
    return SatelliteIdTable::differencesMessage(idTable.differences(*catalogue()));
}

QString SatelliteData::sourceText() const
{
    const QString origin = satellites->originText();
    return origin.isEmpty() ? tr("none") : origin;
}

QString SatelliteData::newDataMessage() const
{
    return tr("Satellite data: new data loaded (%1).").arg(sourceText());
}

QString SatelliteData::summary(const QString &serverFailure) const
{
    if (!satellites->hasData())
        return tr("No satellite data");
    return serverFailure.isEmpty() ? dataSummary() : dataSummary() + QLatin1Char('\n') + serverFailure;
}

QString SatelliteData::dataSummary() const
{
    const int count = satellites->satelliteCount();
    // Whether the server's data could have been read or altered on the way.
    if (satellites->source() == SatelliteSource::Source::Server) {
        const QString summary = satellites->encrypted()
                                    ? tr("Satellite data: %1, satellites: %2, downloaded over TLS")
                                    : tr("Satellite data: %1, satellites: %2, downloaded unencrypted");
        return summary.arg(sourceText()).arg(count);
    }
    return tr("Satellite data: %1, satellites: %2").arg(sourceText()).arg(count);
}

QString SatelliteData::noServerNotice(const QString &reason) const
{
    return tr("Satellite data: %1; no server: %2").arg(sourceText(), reason);
}

QStringList SatelliteData::describe() const
{
    QStringList lines;
    if (satellites->source() != SatelliteSource::Source::None)
        lines << satellites->originText();
    if (satellites->source() == SatelliteSource::Source::Server)
        lines << satellites->dataDate().toString(Qt::ISODate);
    const QString serverFailure = satellites->serverFailureText();
    if (!serverFailure.isEmpty())
        lines << serverFailure;
    const QString numbering = numberingNote();
    if (!numbering.isEmpty())
        lines << numbering;
    return lines;
}
