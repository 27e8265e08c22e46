#pragma once

#include "BandPlan.h"
#include "UBRecord.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The band plan: one row per user band plus the device-wide settings. It
// stores what it is given; the rules that keep the plan consistent are
// BandRules', applied by the controller. Stand-by alone is cleared here, by
// that rule, so that no list with static UBs ever shows it on.
class UBDataModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool lteFilter READ lteFilter WRITE setLteFilter NOTIFY lteFilterChanged)
    Q_PROPERTY(bool terrestrialPatchActive READ terrestrialPatchActive WRITE setTerrestrialPatchActive NOTIFY
                   terrestrialPatchActiveChanged)
    Q_PROPERTY(bool standBy READ standBy WRITE setStandBy NOTIFY standByChanged)
    Q_PROPERTY(bool staticUbsAvailable READ staticUbsAvailable NOTIFY staticUbsAvailableChanged)
    Q_PROPERTY(QString lnb1 READ lnb1 WRITE setLnb1 NOTIFY lnb1Changed)
    Q_PROPERTY(QString lnb2 READ lnb2 WRITE setLnb2 NOTIFY lnb2Changed)
    Q_PROPERTY(QString versionNumber READ versionNumber CONSTANT)

public:
    enum Roles
    {
        UbNumberRole = Qt::UserRole + 1,
        LineRole,
        LocalUBRole,
        FreqRole,
        LocalUBFreqRole,
        TypeRole,
        LnbRole,
        TpRole,
        // For the view alone: the band list's name and colour of the row.
        UbNameRole,
        RowColourRole,
        // A static UB's transponder as the plan holds it ("10705 MHz H"),
        // and whether the data in use lack it.
        TransponderTextRole,
        TransponderMissingRole,
    };

    explicit UBDataModel(QObject *parent = nullptr);

    QList<UBRecord> &ubList() { return list; }
    const QList<UBRecord> &ubList() const { return list; }
    void setUBList(const QList<UBRecord> &newList);
    // Replaces one row's record; dataChanged only when it differs.
    void setRecord(int row, const UBRecord &record);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QHash<int, QByteArray> roleNames() const override;

    bool lteFilter() const { return lteFilterOn; }
    bool terrestrialPatchActive() const { return terrestrialPatchOn; }
    bool standBy() const { return standByOn; }
    bool staticUbsAvailable() const { return staticUbsPresent; }
    QString lnb1() const { return lnb1Name; }
    QString lnb2() const { return lnb2Name; }
    QString versionNumber() const { return version; }

    void setLteFilter(bool on);
    void setTerrestrialPatchActive(bool on);
    void setStandBy(bool on);
    void setLnb1(const QString &name);
    void setLnb2(const QString &name);

signals:
    void lteFilterChanged();
    void terrestrialPatchActiveChanged();
    void standByChanged();
    void staticUbsAvailableChanged();
    void dynamicLinesChanged();
    void lnb1Changed(QString lnb);
    void lnb2Changed(QString lnb);
    void listChanged();
    void errorOccured(QString error);

private:
    QList<UBRecord> list;
    bool lteFilterOn = false;
    bool terrestrialPatchOn = false;
    bool standByOn = false;
    bool staticUbsPresent = false;
    QString lnb1Name;
    QString lnb2Name;
    const QString version = BandPlan::fileVersion();
};
