#include "SheetView.h"

#include "InstallationSheet.h"
#include "SheetPainter.h"

#include <QPainter>

SheetView::SheetView(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setFillColor(Qt::white);
    setAntialiasing(true);
    connect(this, &QQuickItem::widthChanged, this, &SheetView::refresh);
}

void SheetView::setSheet(InstallationSheet *sheet)
{
    if (sheet == currentSheet)
        return;
    if (currentSheet)
        disconnect(currentSheet, nullptr, this, nullptr);
    currentSheet = sheet;
    if (sheet)
        connect(sheet, &InstallationSheet::changed, this, &SheetView::planChanged);
    planChanged();
    emit sheetChanged();
}

void SheetView::setPart(Part part)
{
    if (part == currentPart)
        return;
    currentPart = part;
    refresh();
    emit partChanged();
}

void SheetView::planChanged()
{
    // Built here, on the GUI thread; paint() may run on the render thread
    // while the GUI thread waits, and only reads it.
    cached = currentSheet ? currentSheet->content() : SheetContent();
    refresh();
}

void SheetView::refresh()
{
    if (currentPart == Picture) {
        setImplicitHeight(width() * SheetPainter::pictureHeight / SheetPainter::pictureWidth);
    } else if (currentSheet && width() > 0) {
        const qreal scale = width() / SheetPainter::wordsWidth;
        setImplicitHeight(scale * SheetPainter::paintWords(nullptr, SheetPainter::wordsWidth, cached, false) +
                          8);
    }
    update();
}

void SheetView::paint(QPainter *painter)
{
    if (!currentSheet)
        return;
    if (currentPart == Picture) {
        SheetPainter::paintPicture(*painter, QRectF(0, 0, width(), height()), cached);
        return;
    }
    const qreal scale = width() / SheetPainter::wordsWidth;
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->scale(scale, scale);
    SheetPainter::paintWords(painter, SheetPainter::wordsWidth, cached, false);
    painter->restore();
}
