#pragma once

#include "SheetContent.h"

#include <QPointer>
#include <QQuickPaintedItem>

class InstallationSheet;

// Shows the installation sheet in the window: the picture of the band plan
// or the sheet in words, repainted whenever the plan changes. The content
// (with its look-ups in the satellite data) is built once per change of the
// plan, not on every paint.
class SheetView : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(InstallationSheet *sheet READ sheet WRITE setSheet NOTIFY sheetChanged)
    Q_PROPERTY(Part part READ part WRITE setPart NOTIFY partChanged)

public:
    enum Part
    {
        Picture,
        Words
    };
    Q_ENUM(Part)

    explicit SheetView(QQuickItem *parent = nullptr);

    InstallationSheet *sheet() const { return currentSheet.data(); }
    void setSheet(InstallationSheet *sheet);
    Part part() const { return currentPart; }
    void setPart(Part part);

    void paint(QPainter *painter) override;

signals:
    void sheetChanged();
    void partChanged();

private:
    void planChanged();
    void refresh();

    QPointer<InstallationSheet> currentSheet;
    SheetContent cached;
    Part currentPart = Picture;
};
