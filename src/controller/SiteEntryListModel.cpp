#include "SiteEntryListModel.h"

int SiteEntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant SiteEntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const SiteEntry &entry = rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case LabelRole:
        return entry.label;
    case SerialRole:
        return entry.serial;
    case StoredRole:
        return entry.isStored() ? entry.stored.toString(Qt::ISODate) : QString();
    case ReadBackRole:
        return entry.readBack;
    case StateRole:
        return stateText(entry);
    case ConnectedRole:
        return index.row() == connected;
    case OnScreenRole:
        return index.row() == onScreen;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> SiteEntryListModel::roleNames() const
{
    return {{LabelRole, "label"},       {SerialRole, "serial"},   {StoredRole, "stored"},
            {ReadBackRole, "readBack"}, {StateRole, "stateText"}, {ConnectedRole, "connected"},
            {OnScreenRole, "onScreen"}};
}

void SiteEntryListModel::setEntries(const QVector<SiteEntry> &entries, int connectedRow, int onScreenRow)
{
    if (entries == rows && connectedRow == connected && onScreenRow == onScreen)
        return;
    const bool countChanges = entries.size() != rows.size();
    beginResetModel();
    rows = entries;
    connected = connectedRow;
    onScreen = onScreenRow;
    endResetModel();
    if (countChanges)
        emit countChanged();
}

QString SiteEntryListModel::stateText(const SiteEntry &entry)
{
    if (!entry.isStored())
        return tr("not stored yet");
    const QString serial = entry.serial.isEmpty() ? tr("no serial number") : tr("SN %1").arg(entry.serial);
    const QString day = entry.stored.toString(Qt::ISODate);
    return entry.readBack ? tr("%1, stored %2, read back").arg(serial, day)
                          : tr("%1, stored %2, not read back").arg(serial, day);
}
