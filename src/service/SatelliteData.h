#pragma once

#include "db/SatelliteSource.h"
#include "model/OwnTransponders.h"
#include "model/SatelliteIdTable.h"
#include "service/Environment.h"

#include <QObject>
#include <QStringList>

#include <memory>

// The satellite data's life for the window and the tool: the source in use,
// a download and its result taken in, an import, the user's own
// transponders, and the texts that say where the data come from. Nothing
// here blocks: a download ends in downloadFinished(), and the warnings that
// arise while one is taken in are signals the caller shows in its own way.
class SatelliteData : public QObject
{
    Q_OBJECT

public:
    using Download = SatelliteSource::Download;

    // An own transponder asked for: why not (`refusal`, empty when kept),
    // or that it is listed already, which each caller words itself.
    struct Adding
    {
        QString refusal;
        bool listedTwice = false;
        // Kept, and the data in use changed with it.
        bool dataChanged = false;
    };

    explicit SatelliteData(const Environment &environment, QObject *parent = nullptr);
    ~SatelliteData() override;

    // The source's facts for those who show them.
    const SatelliteSource &source() const { return *satellites; }
    // The data in memory as one value; empty when there are none.
    SharedCatalogue catalogue() const { return satellites->catalogue(); }
    bool hasData() const { return satellites->hasData(); }
    const OwnTransponders &ownTransponders() const { return satellites->ownTransponders(); }
    // Why the file of own transponders is not used; empty when it is.
    QString ownTransponderProblem() const { return satellites->ownTransponderProblem(); }

    // The server of the next download.
    const SatelliteSource::Connection &connectionSettings() const { return satellites->connectionSettings(); }
    void setConnection(const SatelliteSource::Connection &connection)
    {
        satellites->setConnection(connection);
    }

    // The whole order on the calling thread; throws NoSatelliteData when no
    // data can be had.
    void loadNow();
    // The newest data on this machine, without asking the server.
    bool loadLocalData() { return satellites->loadLocalData(); }
    // Starts a download beside the data in use; downloadFinished() follows
    // once. False (and nothing started) while one runs.
    bool startDownload() { return satellites->startDownload(); }
    // Takes a download's result in place: true when the data in memory
    // changed; throws NoSatelliteData when there are no data at all.
    bool take(const Download &result);
    // Imports satellite data from a file or folder and uses them; empty, or
    // why nothing changed.
    QString importFrom(const QString &path) { return satellites->importFrom(path); }
    // `message` (a failure to get data) with the server's own reason on a
    // second line, when there is one.
    QString withFailureReason(const QString &message) const;

    // The rule for a transponder entered by hand: checked against the data
    // and the file, kept, and added to the data in use.
    Adding addOwnTransponder(const OwnTransponder &entry);

    // The satellites an LNB without static UBs gets.
    QStringList startPair() const;
    // What the data in use number otherwise than the program's satellite id
    // table; empty when nothing. (After a read, TransferEnd says it for the
    // satellites the switch's plan names.)
    QString numberingNote() const;

    // Where the data in memory come from ("none" without data).
    QString sourceText() const;
    QString newDataMessage() const;
    // The source, the count and the line's security; "No satellite data"
    // without data. `serverFailure` is added on a second line.
    QString summary(const QString &serverFailure) const;
    // A download that found no server while other data are used.
    QString noServerNotice(const QString &reason) const;
    // Where the data come from, their date, what went wrong and the
    // numbering, one line each, for the support report.
    QStringList describe() const;

signals:
    // Old offline data stay in use; the caller words its remedy.
    void savedDataOutdated();
    // A download broke off, brought no satellites, or the cache failed: the
    // text to show.
    void warning(const QString &text);
    // The result of startDownload(), not yet taken in: see take().
    void downloadFinished(const SatelliteSource::Download &result);

private:
    QString dataSummary() const;

    std::unique_ptr<SatelliteSource> satellites;
    SatelliteIdTable idTable;
};
