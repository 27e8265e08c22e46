#pragma once

#include "SatelliteCatalogue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QPair>
#include <QVector>

// The satellite ids the program gives, from its committed table: switches
// keep them for years, and a static word names its satellite by id alone. A
// data set that numbers satellites otherwise reads such a switch's plan as
// other satellites.
class SatelliteIdTable
{
    Q_DECLARE_TR_FUNCTIONS(SatelliteIdTable)

public:
    SatelliteIdTable() = default;
    // "id<TAB>name" lines; "#" starts a comment; lines of another form are
    // skipped, as are ids or names given twice after their first line.
    static SatelliteIdTable parse(const QByteArray &text);

    bool isEmpty() const { return idByName.isEmpty(); }
    int size() const { return idByName.size(); }
    // 0 for a name the table lacks.
    quint32 idOf(const QString &name) const { return idByName.value(name); }
    // (id, name) in id order.
    QVector<QPair<quint32, QString>> entries() const;

    // The satellites of the data that the table numbers otherwise: a name of
    // the table under another id, or an id of the table under another name;
    // one short text each, in name order.
    QStringList differences(const SatelliteCatalogue &catalogue) const;
    // The same for the satellites named only (those a plan read back names).
    QStringList differences(const SatelliteCatalogue &catalogue, const QStringList &names) const;
    // What the window, the tool and the report say about them; empty when
    // there are none.
    static QString differencesMessage(const QStringList &differences);

private:
    QHash<QString, quint32> idByName;
    QHash<quint32, QString> nameById;
};
