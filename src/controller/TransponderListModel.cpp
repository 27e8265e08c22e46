#include "TransponderListModel.h"

#include "model/OwnTransponders.h"
#include "model/UBRecord.h"

namespace {
// Passed through tr() at run time but kept out of the catalogues (a literal
// would be picked up by lupdate): it reads the same in every language.
const char *const notAssignedText = "not assigned";
} // namespace

TransponderListModel::TransponderListModel(const QVector<TransponderItem> &transponders, QObject *parent,
                                           const OwnCheck &isOwn)
    : QAbstractListModel(parent)
{
    entries.reserve(transponders.size());
    for (const TransponderItem &item : transponders)
        entries.append({qint32(item.transponder), item.frequency, item.polarisation, isOwn && isOwn(item)});
}

int TransponderListModel::indexOf(int transponder) const
{
    if (transponder == -1)
        return 0;
    if (transponder == otherTransponder)
        return count() - 1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).transponder == transponder)
            return i + 1;
    }
    return -1;
}

int TransponderListModel::transponderAt(int index) const
{
    if (index == count() - 1)
        return otherTransponder;
    return index >= 1 && index <= entries.size() ? entries.at(index - 1).transponder : -1;
}

QString TransponderListModel::text(int index) const
{
    if (index == 0)
        return tr(notAssignedText);
    if (index == count() - 1)
        return tr("Other transponder…");
    if (index < 1 || index > entries.size())
        return QString();
    // Made when asked: a box shows a few entries at a time.
    const Entry &entry = entries.at(index - 1);
    const QString text = UBRecord::twoDigits(quint32(entry.transponder)) + QStringLiteral(", ") +
                         QString::number(entry.frequency) + QStringLiteral(" MHz ") + entry.polarisation.letter();
    return entry.own ? OwnTransponders::withOwnMark(text) : text;
}

int TransponderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant TransponderListModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (row < 0 || row >= count())
        return QVariant();
    switch (role) {
    case TextRole:
        return text(row);
    case TransponderRole:
        return transponderAt(row);
    case FrequencyRole:
        return row == 0 || row == count() - 1 ? 0u : entries.at(row - 1).frequency;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> TransponderListModel::roleNames() const
{
    return {{TextRole, "text"}, {TransponderRole, "transponder"}, {FrequencyRole, "frequency"}};
}
