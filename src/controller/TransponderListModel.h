#pragma once

#include "model/Polarisation.h"
#include "model/SatelliteCatalogue.h"

#include <QAbstractListModel>
#include <QVector>

#include <functional>

// The entries of a static UB's transponder box for one satellite: first "not
// assigned", then each transponder as "07, 10722 MHz H" (many satellites
// carry one frequency twice, horizontal and vertical; circular ones show L or R),
// the user's own marked "own", last "Other transponder…", which asks for one
// by hand. Built once per data set and shared by every row, so that
// scrolling never builds it again.
class TransponderListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count CONSTANT)

public:
    enum Roles
    {
        TextRole = Qt::DisplayRole,
        TransponderRole = Qt::UserRole + 1,
        FrequencyRole,
    };

    // The number of the last entry, "Other transponder…".
    static constexpr int otherTransponder = -2;
    using OwnCheck = std::function<bool(const TransponderItem &)>;

    TransponderListModel(const QVector<TransponderItem> &transponders, QObject *parent = nullptr,
                         const OwnCheck &isOwn = OwnCheck());

    int count() const { return entries.size() + 2; }
    // The entry of a UB's transponder number: 0 for -1 (not assigned), -1
    // for a number this satellite does not carry, the last for
    // otherTransponder.
    Q_INVOKABLE int indexOf(int transponder) const;
    // The transponder number of an entry: -1 for "not assigned" and for an
    // index outside the list, otherTransponder for the last.
    Q_INVOKABLE int transponderAt(int index) const;
    Q_INVOKABLE QString text(int index) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Entry
    {
        qint32 transponder;
        quint32 frequency;
        Polarisation polarisation;
        bool own;
    };
    QVector<Entry> entries;
};
