#pragma once

#include "SheetContent.h"
#include "SheetCover.h"
#include "site/Site.h"

#include <QCoreApplication>
#include <QVector>

// A site's sheet, the installer's own record of a building: a cover page
// listing the site's switches (label, serial number, last stored, read back)
// under the site's name and note, then each switch's installation sheet
// under its label, all in one PDF.
class SiteSheet
{
    Q_DECLARE_TR_FUNCTIONS(SiteSheet)

public:
    static SheetCover cover(const Site &site);
    // An entry's sheet: `plan` (its plan, met with the satellite data) as
    // the sheet shows it, under the entry's label and serial number.
    static SheetContent content(const SiteEntry &entry, const BandPlan &plan, const SatelliteCatalogue &data,
                                const QDate &date, const OwnTransponders &own);
    // `sheets` in the site's order. Whole or not at all; false with the
    // reason in `error`.
    static bool savePdf(const QString &path, const Site &site, const QVector<SheetContent> &sheets,
                        QString *error);
    static QString pictureRefusedMessage();
};
