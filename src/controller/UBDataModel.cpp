#include "UBDataModel.h"

#include "PlanEditor.h"
#include "model/BandRules.h"

UBDataModel::UBDataModel(QObject *parent) : UBDataModel(new PlanEditor, parent)
{
    planEditor->setParent(this);
}

UBDataModel::UBDataModel(PlanEditor *editor, QObject *parent) : QAbstractListModel(parent), planEditor(editor)
{
    follow();
}

void UBDataModel::follow()
{
    connect(planEditor, &PlanEditor::rowCountAboutToChange, this, [this] {
        beginResetModel();
        resetting = true;
    });
    connect(planEditor, &PlanEditor::listReplaced, this, &UBDataModel::showList);
    connect(planEditor, &PlanEditor::rowChanged, this, &UBDataModel::showRow);
    connect(planEditor, &PlanEditor::lineChanged, this, &UBDataModel::dynamicLinesChanged);
    connect(planEditor, &PlanEditor::lnbChanged, this, [this](int input, const QString &name) {
        if (input == 0)
            emit lnb1Changed(name);
        else
            emit lnb2Changed(name);
    });
    connect(planEditor, &PlanEditor::optionChanged, this, [this](PlanEditor::Option option) {
        switch (option) {
        case PlanEditor::Option::LteFilter:
            emit lteFilterChanged();
            break;
        case PlanEditor::Option::TerrestrialPath:
            emit terrestrialPatchActiveChanged();
            break;
        case PlanEditor::Option::StandBy:
            emit standByChanged();
            break;
        }
    });
}

const QList<UBRecord> &UBDataModel::ubList() const
{
    return planEditor->plan().list;
}

void UBDataModel::setUBList(const QList<UBRecord> &newList)
{
    planEditor->setList(newList);
}

void UBDataModel::showList()
{
    if (resetting) {
        resetting = false;
        endResetModel();
    } else if (!ubList().isEmpty()) {
        emit dataChanged(index(0, 0), index(ubList().size() - 1, 0));
    }
    staticUbsPresent = !BandRules::standByAllowed(ubList());
    emit listChanged();
    emit staticUbsAvailableChanged();
    emit standByChanged();
}

void UBDataModel::showRow(int row)
{
    ++rowsTold;
    emit dataChanged(index(row, 0), index(row, 0));
}

int UBDataModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return ubList().size();
}

QVariant UBDataModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= ubList().size())
        return QVariant();
    const UBRecord &record = ubList().at(index.row());
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
    if (index.row() < 0 || index.row() >= ubList().size())
        return false;
    const int row = index.row();
    UBRecord record = ubList().at(row);
    switch (role) {
    case UbNumberRole:
        record.ubNumber = value.toUInt();
        break;
    case LineRole:
        // The editor numbers the lines anew before this returns; the row's
        // own announcement comes last.
        planEditor->setLine(row, value.toUInt());
        // A listener may have shortened the list meanwhile.
        if (row < ubList().size())
            emit dataChanged(index, index);
        return true;
    case LocalUBRole:
        record.localUB = value.toUInt();
        break;
    case FreqRole:
        record.freq = value.toUInt();
        break;
    case TypeRole:
        record.type = value.toString();
        break;
    case LnbRole:
        record.lnb = value.toUInt();
        break;
    case TpRole:
        // Keep the low 32 bits, so -1 (from QML, or as 0xFFFFFFFF) stays -1.
        record.tp = qint32(quint32(value.toLongLong()));
        break;
    default:
        return false;
    }
    return write(row, record);
}

bool UBDataModel::write(int row, const UBRecord &record)
{
    const quint64 before = rowsTold;
    planEditor->setRecord(row, record);
    // A write is announced even when it changed nothing.
    if (rowsTold == before)
        emit dataChanged(index(row, 0), index(row, 0));
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

bool UBDataModel::lteFilter() const
{
    return planEditor->option(PlanEditor::Option::LteFilter);
}

bool UBDataModel::terrestrialPatchActive() const
{
    return planEditor->option(PlanEditor::Option::TerrestrialPath);
}

bool UBDataModel::standBy() const
{
    return planEditor->option(PlanEditor::Option::StandBy);
}

QString UBDataModel::lnb1() const
{
    return planEditor->plan().lnb1;
}

QString UBDataModel::lnb2() const
{
    return planEditor->plan().lnb2;
}

void UBDataModel::setLteFilter(bool on)
{
    planEditor->setOption(PlanEditor::Option::LteFilter, on);
}

void UBDataModel::setTerrestrialPatchActive(bool on)
{
    planEditor->setOption(PlanEditor::Option::TerrestrialPath, on);
}

void UBDataModel::setStandBy(bool on)
{
    planEditor->setOption(PlanEditor::Option::StandBy, on);
}

void UBDataModel::setLnb1(const QString &name)
{
    planEditor->setLnb(0, name);
}

void UBDataModel::setLnb2(const QString &name)
{
    planEditor->setLnb(1, name);
}
