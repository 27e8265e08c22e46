#include "UBDataModel.h"

#include "BandRules.h"

#include <cstdio>

UBDataModel::UBDataModel(QObject *parent) : QAbstractListModel(parent) {}

void UBDataModel::setUBList(const QList<UBRecord> &newList)
{
    const bool rowCountChanges = newList.size() != list.size();
    if (rowCountChanges)
        beginResetModel();
    // The caller may hand us our own list (or a reference into it).
    if (&newList != &list)
        list = newList;
    if (rowCountChanges)
        endResetModel();

    staticUbsPresent = !BandRules::standByAllowed(list);
    if (staticUbsPresent)
        standByOn = false;

    if (!rowCountChanges && !list.isEmpty())
        emit dataChanged(index(0, 0), index(list.size() - 1, 0));
    emit listChanged();
    emit staticUbsAvailableChanged();
    emit standByChanged();
}

void UBDataModel::setRecord(int row, const UBRecord &record)
{
    if (row < 0 || row >= list.size() || list.at(row) == record)
        return;
    list[row] = record;
    emit dataChanged(index(row, 0), index(row, 0));
}

int UBDataModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return list.size();
}

QVariant UBDataModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= list.size())
        return QVariant();
    const UBRecord &record = list.at(index.row());
    switch (role) {
    case UbNumberRole:
        return record.ubNumber;
    case LineRole:
        return record.line;
    case LocalUBRole:
        return record.localUB;
    case FreqRole:
        return record.freq;
    case LocalUBFreqRole:
        return record.localUBFreq;
    case TypeRole:
        return record.type;
    case LnbRole:
        return record.lnb;
    case TpRole:
        return record.tp;
    case UbNameRole:
        return UBRecord::displayName(record.ubNumber);
    case RowColourRole:
        return record.rowColour();
    case TransponderTextRole:
        return record.transponderChoice().frequencyText();
    case TransponderMissingRole:
        return record.isStatic() && record.transponderChoice().isMissing();
    default:
        return QVariant();
    }
}

bool UBDataModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (index.row() < 0 || index.row() >= list.size())
        return false;
    const int row = index.row();
    switch (role) {
    case UbNumberRole:
        list[row].ubNumber = value.toUInt();
        break;
    case LineRole:
        list[row].line = value.toUInt();
        // The controller renumbers the dynamic UBs inside this emission and
        // replaces the list; the row is not touched again afterwards.
        emit dynamicLinesChanged();
        break;
    case LocalUBRole:
        list[row].localUB = value.toUInt();
        break;
    case FreqRole:
        list[row].freq = value.toUInt();
        break;
    case TypeRole:
        list[row].type = value.toString();
        break;
    case LnbRole:
        list[row].lnb = value.toUInt();
        break;
    case TpRole:
        // Keep the low 32 bits, so -1 (from QML, or as 0xFFFFFFFF) stays -1.
        list[row].tp = qint32(quint32(value.toLongLong()));
        break;
    default:
        return false;
    }
    if (row < list.size())
        emit dataChanged(index, index);
    return true;
}

QHash<int, QByteArray> UBDataModel::roleNames() const
{
    return {
        {UbNumberRole, "ubNumber"},
        {LineRole, "line"},
        {LocalUBRole, "localUB"},
        {FreqRole, "freq"},
        {LocalUBFreqRole, "localUBFreq"},
        {TypeRole, "type"},
        {LnbRole, "lnb"},
        {TpRole, "tp"},
        {UbNameRole, "ubName"},
        {RowColourRole, "rowColour"},
        {TransponderTextRole, "transponderText"},
        {TransponderMissingRole, "transponderMissing"},
    };
}

void UBDataModel::setLteFilter(bool on)
{
    if (on == lteFilterOn)
        return;
    lteFilterOn = on;
    emit lteFilterChanged();
}

void UBDataModel::setTerrestrialPatchActive(bool on)
{
    if (on == terrestrialPatchOn)
        return;
    terrestrialPatchOn = on;
    emit terrestrialPatchActiveChanged();
}

void UBDataModel::setStandBy(bool on)
{
    if (on == standByOn)
        return;
    standByOn = on;
    emit standByChanged();
}

void UBDataModel::setLnb1(const QString &name)
{
    if (name == lnb1Name)
        return;
    lnb1Name = name;
    emit lnb1Changed(lnb1Name);
}

void UBDataModel::setLnb2(const QString &name)
{
    if (name == lnb2Name)
        return;
    lnb2Name = name;
    emit lnb2Changed(lnb2Name);
}
