#pragma once

#include "SheetContent.h"
#include "model/BandPlan.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// The installation sheet as the interface sees it (the singleton "Sheet" of
// "Fenzo 1.0"): the current plan as sheet content, the two ways of
// saving it, and a signal whenever the plan changes. It holds the plan as a
// value: whoever owns the window's plan hands each new one over.
class InstallationSheet : public QObject
{
    Q_OBJECT

public:
    using DateSource = std::function<QDate()>;
    // The user's own transponders, marked on the sheet; null: none.
    using OwnSource = std::function<OwnTransponders()>;
    // The serial number of the switch connected; nothing when none is (or
    // when the source is null).
    using SwitchSource = std::function<std::optional<QString>()>;

    explicit InstallationSheet(CatalogueSource catalogue, DateSource today = &QDate::currentDate,
                               QObject *parent = nullptr, OwnSource own = OwnSource(),
                               SwitchSource connectedSwitch = SwitchSource());

    const BandPlan &plan() const { return shown; }
    // changed() only when the plan differs from the one held.
    void setPlan(const BandPlan &plan);

    SheetContent content() const;

    // Makes the view type known to QML ("Fenzo.Sheet 1.0", SheetView).
    static void registerTypes();

    // A file dialog's URL text (or a plain path) as a local path, given the
    // suffix when it has none.
    static QString localPath(const QString &fileUrl, const QString &suffix);
    // Why a sheet could not be saved when the PDF could not be made.
    static QString notDrawnReason();

signals:
    // The plan changed; whoever feeds the switch's serial number emits it
    // for that, too.
    void changed();
    void errorOccured(QString error);

public slots:
    // Both report a failure with errorOccured and leave no file behind.
    bool savePdf(const QString &fileUrl);
    bool savePicture(const QString &fileUrl);

private:
    BandPlan shown;
    CatalogueSource catalogue;
    DateSource today;
    OwnSource own;
    SwitchSource connectedSwitch;
};
