#pragma once

#include "SheetContent.h"
#include "SheetCover.h"

#include <QCoreApplication>
#include <QImage>
#include <QRectF>

class QIODevice;
class QPainter;

// Draws the installation sheet: the picture of the band plan and the sheet
// in words. The same code paints the window, the PDF and the PNG.
class SheetPainter
{
    Q_DECLARE_TR_FUNCTIONS(SheetPainter)

public:
    // The picture is laid out on this canvas and scaled to its target.
    static constexpr qreal pictureWidth = 1200;
    static constexpr qreal pictureHeight = 330;
    // The words are laid out this wide (one unit is a point in the PDF).
    static constexpr qreal wordsWidth = 520;

    // Where things lie on the picture canvas, for tests and the layout.
    static qreal xForFrequency(qreal megahertz);
    static QRectF slotRect(quint32 ubNumber);
    static QRectF markRect(quint32 ubNumber);

    // Fits the canvas into `target`, keeping its proportions.
    static void paintPicture(QPainter &painter, const QRectF &target, const SheetContent &content);

    // Paints the words from the top of the painter's coordinates, `width`
    // units wide; a positive pageHeight starts a new page through newPage
    // whenever a block would cross it. A null painter only measures.
    // Returns the height used (on the last page).
    static qreal paintWords(QPainter *painter, qreal width, const SheetContent &content, bool withPicture,
                            qreal pageHeight = 0, const std::function<void()> &newPage = {});

    // A4 portrait, vector. Returns false when the device refused the writing.
    static bool writePdf(QIODevice *device, const SheetContent &content, int *pageCount = nullptr);
    // A site's sheet: the cover, then each sheet from a new page.
    static bool writePdf(QIODevice *device, const SheetCover &cover, const QVector<SheetContent> &sheets,
                         int *pageCount = nullptr);
    // Paints the cover as paintWords() paints a sheet.
    static qreal paintCover(QPainter *painter, qreal width, const SheetCover &cover, qreal pageHeight = 0,
                            const std::function<void()> &newPage = {});
    static QImage renderPicture(const SheetContent &content, qreal scale = 1);

    // The text in a slot's mark: which problem it has.
    static QString markSymbol(SheetContent::Slot::Problem problem);
    static QColor slotColour(const SheetContent::Slot &slot);
    static QColor problemColour();
};
