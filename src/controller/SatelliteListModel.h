#pragma once

#include "model/SatelliteCatalogue.h"

#include <QStringListModel>

// The satellite boxes' list: the names of the data in use, each with whether
// the switch can carry it in a static UB and the text that shows it
// ("ABS 2 75.0E (dynamic UBs only)"). The display role stays the bare name,
// which the boxes find and write into the plan.
class SatelliteListModel : public QStringListModel
{
    Q_OBJECT

public:
    enum Roles
    {
        DynamicOnlyRole = Qt::UserRole + 1,
        LabelRole,
    };

    explicit SatelliteListModel(CatalogueSource catalogue, QObject *parent = nullptr);

    // The name as the list shows it: marked when static UBs cannot use it.
    Q_INVOKABLE QString label(const QString &name) const;
    Q_INVOKABLE bool dynamicOnly(const QString &name) const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    CatalogueSource catalogue;
};
