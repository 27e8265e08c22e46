#pragma once

#include "model/BandPlan.h"
#include "model/UBRecord.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

class PlanEditor;

// The band plan as the band list and the options panel show it: one row per
// user band plus the device-wide settings. It shows its editor's plan and
// hands every write to the editor, which keeps the plan's rules (a new line
// is numbered before setData returns; a list with static UBs clears
// stand-by); the editor's changes come back as the model's signals.
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

    // With an editor of its own, empty until it is given a plan.
    explicit UBDataModel(QObject *parent = nullptr);
    // Shows `editor`'s plan; the editor must outlive the model.
    explicit UBDataModel(PlanEditor *editor, QObject *parent = nullptr);

    PlanEditor *editor() const { return planEditor; }
    const QList<UBRecord> &ubList() const;
    void setUBList(const QList<UBRecord> &newList);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QHash<int, QByteArray> roleNames() const override;

    bool lteFilter() const;
    bool terrestrialPatchActive() const;
    bool standBy() const;
    bool staticUbsAvailable() const { return staticUbsPresent; }
    QString lnb1() const;
    QString lnb2() const;
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
    void follow();
    void showList();
    void showRow(int row);
    // A field of one row as written, handed to the editor.
    bool write(int row, const UBRecord &record);

    PlanEditor *planEditor;
    // Derived when a whole list arrives, as the band list has always seen it.
    bool staticUbsPresent = false;
    bool resetting = false;
    // Rows the editor told changed, so that a write it found equal is still
    // announced once.
    quint64 rowsTold = 0;
    const QString version = BandPlan::fileVersion();
};
