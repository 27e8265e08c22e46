#include "SatelliteFilter.h"

#include <QQmlEngine>

SatelliteFilter::SatelliteFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    // The count follows every change of the list below, not only of the text.
    connect(this, &QAbstractItemModel::rowsInserted, this, &SatelliteFilter::updateCount);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &SatelliteFilter::updateCount);
    connect(this, &QAbstractItemModel::modelReset, this, &SatelliteFilter::updateCount);
    connect(this, &QAbstractItemModel::layoutChanged, this, &SatelliteFilter::updateCount);
}

void SatelliteFilter::registerType()
{
    qmlRegisterType<SatelliteFilter>("Fenzo.Satellites", 1, 0, "SatelliteFilter");
}

QString SatelliteFilter::text() const
{
    return typed;
}

void SatelliteFilter::setText(const QString &text)
{
    if (typed == text)
        return;
    typed = text;
    // The rows go in several steps; the count is told once, at the end.
    narrowing = true;
    invalidateFilter();
    narrowing = false;
    updateCount();
    emit textChanged();
}

int SatelliteFilter::count() const
{
    return shownCount;
}

QString SatelliteFilter::name(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return data(index(row, 0), Qt::DisplayRole).toString();
}

bool SatelliteFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    // Blanks around the typed text are a slip of the fingers, not a wish.
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty())
        return true;
    const QModelIndex source = sourceModel()->index(sourceRow, 0, sourceParent);
    return sourceModel()->data(source, Qt::DisplayRole).toString().contains(wanted, Qt::CaseInsensitive);
}

void SatelliteFilter::updateCount()
{
    const int rows = rowCount();
    if (narrowing || shownCount == rows)
        return;
    shownCount = rows;
    emit countChanged();
}
