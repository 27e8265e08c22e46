#pragma once

#include <QPointer>
#include <QQuickPaintedItem>

class InstallationSheet;

// Shows the installation sheet in the window: the picture of the band plan
// or the sheet in words, repainted whenever the plan changes.
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
    void refresh();

    QPointer<InstallationSheet> currentSheet;
    Part currentPart = Picture;
};
