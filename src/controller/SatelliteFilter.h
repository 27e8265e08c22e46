#pragma once

#include <QSortFilterProxyModel>

// The satellite names that contain what the user typed into a satellite box
// ("hot", "19.2"), in the order of the list they come from; letters match
// whatever their case.
class SatelliteFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit SatelliteFilter(QObject *parent = nullptr);

    // Makes the type known to the interface ("Fenzo.Satellites").
    static void registerType();

    QString text() const;
    void setText(const QString &text);
    int count() const;

    // The name in the given row of the narrowed list; empty outside it.
    Q_INVOKABLE QString name(int row) const;

signals:
    void textChanged();
    void countChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString typed;
    int shownCount = 0;
    bool narrowing = false;

    void updateCount();
};
