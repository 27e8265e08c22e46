#pragma once

#include "ImportRows.h"
#include "model/SateliteParams.h"
#include "model/SatelliteIdTable.h"
#include "model/TransponderItem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <map>

// Satellite data the user imports: a receiver's satellites.xml, a folder of
// dvb-s scan tables or one file of them. They are grouped into orbital
// positions as every other data set, numbered by the program's id table (a
// position it lacks gets the next free id, kept in a per-user table that,
// like the committed one, never changes an id), and kept in a file of their
// own beside the offline cache, which the next download overwrites.
class SatelliteImport
{
    Q_DECLARE_TR_FUNCTIONS(SatelliteImport)

public:
    struct Data
    {
        std::map<QString, QVector<TransponderItem>> items;
        QVector<SateliteParams> params;
        // The file or folder imported, and when.
        QString source;
        QDateTime imported;
    };

    // The files beside the offline cache.
    static QString dataPath(const QString &directory);
    static QString idTablePath(const QString &directory);
    // The per-user table with the committed one after it: where the two
    // give one id or one name differently, the user's line holds.
    static SatelliteIdTable idTable(const QString &directory, const SatelliteIdTable &committed);

    // The spacecraft the file or folder at `path` lists; empty with `reason`
    // when it is refused.
    static ImportRows::Spacecraft readSpacecraft(const QString &path, QString *reason,
                                                 const ImportRows::Limits &limits = ImportRows::Limits());
    // Imports `path` into `directory`; empty, or why nothing changed.
    static QString run(const QString &path, const QString &directory, const SatelliteIdTable &committed,
                       const QDateTime &now);
    // The last import in `directory`; no items when there is none or it is
    // damaged.
    static Data load(const QString &directory);

    // The positions of the spacecraft with their ids: those of the table,
    // else the next free ones, which are appended to `added` as table lines.
    static Data positions(const ImportRows::Spacecraft &spacecraft, const SatelliteIdTable &table,
                          QByteArray *added);
    // The import file's text, and back (no items when damaged).
    static QByteArray serialise(const Data &data);
    static Data parse(const QByteArray &text);
};
