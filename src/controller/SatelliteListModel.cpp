#include "SatelliteListModel.h"

#include "model/SwitchSatellites.h"

SatelliteListModel::SatelliteListModel(CatalogueSource catalogue, QObject *parent)
    : QStringListModel(parent), catalogue(std::move(catalogue))
{
}

bool SatelliteListModel::dynamicOnly(const QString &name) const
{
    // Asked when shown: the list and the data in use change together.
    const SharedCatalogue data = catalogue ? catalogue() : nullptr;
    return data && !name.isEmpty() && !SwitchSatellites::canCarry(*data, name);
}

QString SatelliteListModel::label(const QString &name) const
{
    return dynamicOnly(name) ? SwitchSatellites::withDynamicOnlyMark(name) : name;
}

QVariant SatelliteListModel::data(const QModelIndex &index, int role) const
{
    switch (role) {
    case DynamicOnlyRole:
        return dynamicOnly(QStringListModel::data(index, Qt::DisplayRole).toString());
    case LabelRole:
        return label(QStringListModel::data(index, Qt::DisplayRole).toString());
    default:
        return QStringListModel::data(index, role);
    }
}

QHash<int, QByteArray> SatelliteListModel::roleNames() const
{
    QHash<int, QByteArray> names = QStringListModel::roleNames();
    names.insert(DynamicOnlyRole, "dynamicOnly");
    names.insert(LabelRole, "label");
    return names;
}
