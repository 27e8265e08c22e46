#pragma once

#include "site/SiteEntry.h"

#include <QAbstractListModel>
#include <QVector>

// The switches of the open site as the "Site…" dialog lists them: each
// entry's label and state, which entry the connected switch is, and which
// one the plan on screen came from.
class SiteEntryListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Role
    {
        LabelRole = Qt::UserRole + 1,
        SerialRole,
        StoredRole,
        ReadBackRole,
        StateRole,
        ConnectedRole,
        OnScreenRole
    };
    Q_ENUM(Role)

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Told only when something the list shows changed.
    void setEntries(const QVector<SiteEntry> &entries, int connectedRow, int onScreenRow);

    // One line for an entry's state: serial number, day stored, read back.
    static QString stateText(const SiteEntry &entry);

signals:
    void countChanged();

private:
    QVector<SiteEntry> rows;
    int connected = -1;
    int onScreen = -1;
};
