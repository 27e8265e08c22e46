#include "SheetPainter.h"

#include "model/StaticUbRules.h"
#include "model/UBRecord.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <functional>

namespace {
// "L" or, for a transponder the user entered by hand, "L (own)".
QString polarisationText(const SheetContent::Slot &slot)
{
    const QString letter = slot.polarisation.letter();
    return slot.own ? OwnTransponders::withOwnMark(letter) : letter;
}

constexpr qreal axisLeft = 40;
constexpr qreal axisRight = SheetPainter::pictureWidth - 40;
constexpr qreal markTop = 6;
constexpr qreal markSize = 26;
constexpr qreal barTop = 40;
constexpr qreal barBottom = 250;
constexpr qreal axisY = 258;
constexpr qreal legendY = 304;
// A slot is 50 MHz wide; the gap keeps neighbours apart.
constexpr qreal slotHalfWidth = 22;
// The top of each bar stays free of text, so its colour can always be seen.
constexpr qreal barTextReserve = 16;

QFont pixelFont(qreal size, bool bold = false)
{
    QFont font;
    font.setPixelSize(qRound(size));
    font.setBold(bold);
    return font;
}

QString megahertz(quint32 frequency)
{
    return QString::number(frequency) + QStringLiteral(" MHz");
}

// The lines of text written along one bar, bottom to top when turned.
QStringList barTexts(const SheetContent::Slot &slot)
{
    QStringList texts{UBRecord::displayName(slot.ubNumber) + QStringLiteral("  ") +
                      megahertz(slot.slotFrequency)};
    if (!slot.isStatic) {
        texts << SheetPainter::tr("Line %1, local UB %2")
                     .arg(slot.line + 1)
                     .arg(UBRecord::twoDigits(slot.localUB + 1));
        return texts;
    }
    if (!slot.assigned) {
        texts << SheetPainter::tr("not assigned");
        return texts;
    }
    texts << slot.satellite + QStringLiteral("  TP ") + UBRecord::twoDigits(quint32(slot.transponder));
    QString detail = megahertz(slot.frequency);
    if (slot.transponderKnown) {
        detail += QStringLiteral("  ") + polarisationText(slot) + QStringLiteral("  ") +
                  (slot.highBand ? SheetPainter::tr("high") : SheetPainter::tr("low"));
    }
    texts << detail;
    return texts;
}

void paintSlot(QPainter &painter, const SheetContent::Slot &slot)
{
    const QRectF bar = SheetPainter::slotRect(slot.ubNumber);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(SheetPainter::slotColour(slot));
    painter.drawRoundedRect(bar, 4, 4);

    painter.save();
    painter.translate(bar.left(), bar.bottom());
    painter.rotate(-90);
    painter.setPen(Qt::black);
    const QStringList texts = barTexts(slot);
    const qreal lineHeight = bar.width() / 3;
    const QRectF along(6, 0, bar.height() - 6 - barTextReserve, lineHeight);
    for (int i = 0; i < texts.size(); ++i) {
        painter.setFont(pixelFont(i == 0 ? 12 : 11, i == 0));
        painter.drawText(
            along.translated(0, 1 + i * lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetricsF(painter.font()).elidedText(texts.at(i), Qt::ElideRight, along.width()));
    }
    painter.restore();

    if (!slot.hasProblem())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SheetPainter::problemColour(), 3));
    painter.drawRoundedRect(bar.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    const QRectF mark = SheetPainter::markRect(slot.ubNumber);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SheetPainter::problemColour());
    painter.drawEllipse(mark);
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(11, true));
    painter.drawText(mark, Qt::AlignCenter, SheetPainter::markSymbol(slot.problem()));
}

void paintAxis(QPainter &painter)
{
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(axisLeft, axisY), QPointF(axisRight, axisY));
    painter.setFont(pixelFont(12));
    for (quint32 f = SheetContent::bandStart; f <= SheetContent::bandEnd; f += 50) {
        const qreal x = SheetPainter::xForFrequency(f);
        const bool labelled = f == SheetContent::bandStart || f == SheetContent::bandEnd || f % 100 == 0;
        painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + (labelled ? 8 : 4)));
        // The neighbours of the band's ends would crowd their labels.
        if (labelled && f != SheetContent::bandStart + 50 && f != SheetContent::bandEnd - 50)
            painter.drawText(QRectF(x - 40, axisY + 9, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
                             QString::number(f));
    }
    painter.drawText(QRectF(axisRight - 100, axisY + 24, 100, 16), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("MHz"));
}

void paintLegend(QPainter &painter)
{
    struct Entry
    {
        QColor colour;
        QString text;
        bool mark;
    };
    QList<Entry> entries;
    for (quint32 line = 0; line < SheetContent::lineCount; ++line) {
        SheetContent::Slot slot;
        slot.line = line;
        entries.append({SheetPainter::slotColour(slot), SheetPainter::tr("Line %1").arg(line + 1), false});
    }
    SheetContent::Slot staticSlot;
    staticSlot.isStatic = true;
    entries.append({SheetPainter::slotColour(staticSlot), SheetPainter::tr("static"), false});
    entries.append({SheetPainter::problemColour(), SheetPainter::tr("problem"), true});

    painter.setFont(pixelFont(12));
    const QFontMetricsF metrics(painter.font());
    qreal x = axisLeft;
    for (const Entry &entry : entries) {
        const QRectF swatch(x, legendY, 16, 16);
        painter.setPen(entry.mark ? Qt::NoPen : QPen(Qt::black, 1));
        painter.setBrush(entry.colour);
        if (entry.mark)
            painter.drawEllipse(swatch);
        else
            painter.drawRect(swatch);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 22, legendY + 13), entry.text);
        x += 22 + metrics.horizontalAdvance(entry.text) + 24;
    }
}

// The sheet in words, block by block: a block never straddles two pages.
class Flow
{
public:
    Flow(QPainter *painter, qreal width, qreal pageHeight, std::function<void()> newPage)
        : painter(painter), width(width), pageHeight(pageHeight), newPage(std::move(newPage))
    {
    }

    void keep(qreal height)
    {
        if (pageHeight > 0 && y > 0 && y + height > pageHeight) {
            if (painter && newPage)
                newPage();
            y = 0;
        }
    }

    void text(const QString &text, qreal size, bool bold = false, const QColor &colour = Qt::black)
    {
        const QFont font = pixelFont(size, bold);
        const QRectF bounds =
            QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap, text);
        const qreal height = bounds.height() + size * 0.35;
        keep(height);
        if (painter) {
            painter->setFont(font);
            painter->setPen(colour);
            painter->drawText(QRectF(0, y, width, bounds.height()), Qt::TextWordWrap, text);
        }
        y += height;
    }

    // One table row; columns are fractions of the width.
    void row(const QStringList &cells, const QVector<qreal> &columns, bool bold = false)
    {
        const qreal size = 10;
        const qreal height = size * 1.5;
        keep(height);
        if (painter) {
            painter->setFont(pixelFont(size, bold));
            painter->setPen(Qt::black);
            const QFontMetricsF metrics(painter->font());
            for (int i = 0; i < cells.size() && i < columns.size(); ++i) {
                const qreal left = columns.at(i) * width;
                const qreal right = i + 1 < columns.size() ? columns.at(i + 1) * width - 4 : width;
                painter->drawText(QRectF(left, y, right - left, height), Qt::AlignLeft | Qt::AlignVCenter,
                                  metrics.elidedText(cells.at(i), Qt::ElideRight, right - left));
            }
        }
        y += height;
    }

    void picture(const SheetContent &content)
    {
        const qreal height = width * SheetPainter::pictureHeight / SheetPainter::pictureWidth;
        keep(height);
        if (painter)
            SheetPainter::paintPicture(*painter, QRectF(0, y, width, height), content);
        y += height + 8;
    }

    void gap(qreal height) { y += height; }
    qreal used() const { return y; }

private:
    QPainter *painter;
    qreal width;
    qreal pageHeight;
    std::function<void()> newPage;
    qreal y = 0;
};

QString onOff(bool on)
{
    return on ? SheetPainter::tr("on") : SheetPainter::tr("off");
}

QString slotProblem(const SheetContent::Slot &slot)
{
    const QString ub = UBRecord::displayName(slot.ubNumber);
    switch (slot.problem()) {
    case SheetContent::Slot::Problem::Unassigned:
        return SheetPainter::tr("%1 is static but has no transponder.").arg(ub);
    case SheetContent::Slot::Problem::IntermediateFrequency:
        return StaticUbRules::frequencyMessage(slot.ubNumber, slot.intermediateFrequency);
    case SheetContent::Slot::Problem::SatelliteId:
        return SheetPainter::tr("%1: %2 has the satellite id %3; a code word carries 0 to 127.")
            .arg(ub, slot.satellite)
            .arg(slot.satId);
    case SheetContent::Slot::Problem::UbNumber:
        return SheetPainter::tr("%1: a code word carries the UB numbers 1 to 32 only.").arg(ub);
    case SheetContent::Slot::Problem::NotInSatelliteData:
        if (slot.refusal == StaticUbRules::Refusal::TransponderUnknown)
            return slot.choice.missingMessage(slot.ubNumber, slot.satellite);
        return SheetPainter::tr("%1: transponder %2 of %3 is not in the satellite data.")
            .arg(ub, UBRecord::twoDigits(quint32(slot.transponder)), slot.satellite);
    case SheetContent::Slot::Problem::BeyondLineLimit:
    case SheetContent::Slot::Problem::None:
        break;
    }
    return QString();
}

QStringList slotProblems(const SheetContent &content)
{
    QStringList problems;
    for (const SheetContent::Slot &slot : content.bandSlots) {
        const QString problem = slotProblem(slot);
        if (!problem.isEmpty())
            problems << problem;
        if (slot.isStatic && slot.choice.standing == TransponderChoice::Standing::PolarisationFromNumber)
            problems << slot.choice.polarisationTakenMessage(slot.ubNumber);
    }
    for (const SheetContent::CrowdedLine &crowded : content.crowdedLines)
        problems << SheetPainter::tr("Line %1 carries %2 dynamic UBs; receivers reach those beyond eight "
                                     "only with EN50607.")
                        .arg(crowded.line + 1)
                        .arg(crowded.count);
    return problems;
}

// The parts of the sheet in words, in their order.
void paintHeading(Flow &flow, const SheetContent &content, bool withPicture)
{
    if (!content.label.isEmpty())
        flow.text(content.label, 14, true);
    flow.text(SheetPainter::tr("Installation sheet"), 18, true);
    flow.text(SheetPainter::tr("Date: %1").arg(content.date.toString(Qt::ISODate)), 10);
    flow.text(content.deviceConnected ? SheetPainter::tr("Device serial number: %1").arg(content.serialNumber)
                                      : SheetPainter::tr("No device was connected."),
              10);
    const QString none = SheetPainter::tr("none");
    flow.text(SheetPainter::tr("LNB1: %1").arg(content.lnb1.isEmpty() ? none : content.lnb1), 10);
    flow.text(SheetPainter::tr("LNB2: %1").arg(content.lnb2.isEmpty() ? none : content.lnb2), 10);
    flow.text(
        SheetPainter::tr("Terrestrial path: %1, LTE filter: %2, stand-by: %3")
            .arg(onOff(content.terrestrialPathActive), onOff(content.lteFilter), onOff(content.standBy)),
        10);
    flow.gap(6);
    if (withPicture)
        flow.picture(content);
}

void paintLines(Flow &flow, const SheetContent &content)
{
    const QVector<qreal> lineColumns{0, 0.2, 0.4};
    for (quint32 line = 0; line < SheetContent::lineCount; ++line) {
        const QVector<SheetContent::Slot> lineBands = content.lineSlots(line);
        flow.gap(4);
        // A line's table stays on one page: it is what the installer hands over.
        flow.keep(30 + 15 * (lineBands.size() + 1));
        flow.text(SheetPainter::tr("Line %1: receivers on this line").arg(line + 1), 12, true);
        if (lineBands.isEmpty()) {
            flow.text(SheetPainter::tr("No dynamic UBs."), 10);
            continue;
        }
        flow.row({SheetPainter::tr("Local UB"), SheetPainter::tr("UB"), SheetPainter::tr("Slot frequency")},
                 lineColumns, true);
        for (const SheetContent::Slot &slot : lineBands)
            flow.row({UBRecord::twoDigits(slot.localUB + 1), UBRecord::displayName(slot.ubNumber),
                      megahertz(slot.slotFrequency)},
                     lineColumns);
    }
    const QVector<SheetContent::Slot> stray = content.strayDynamicSlots();
    if (stray.isEmpty())
        return;
    QStringList names;
    for (const SheetContent::Slot &slot : stray)
        names << UBRecord::displayName(slot.ubNumber);
    flow.text(SheetPainter::tr("Dynamic UBs on no valid line: %1").arg(names.join(QStringLiteral(", "))), 10,
              false, SheetPainter::problemColour());
}

QStringList staticRow(const SheetContent::Slot &slot)
{
    const QString lnb = slot.lnb > 0 ? QStringLiteral("LNB2") : QStringLiteral("LNB1");
    if (!slot.assigned)
        return {UBRecord::displayName(slot.ubNumber), megahertz(slot.slotFrequency), lnb,
                SheetPainter::tr("not assigned")};
    const QString dash = QStringLiteral("-");
    return {UBRecord::displayName(slot.ubNumber),
            megahertz(slot.slotFrequency),
            lnb,
            slot.satellite,
            UBRecord::twoDigits(quint32(slot.transponder)),
            megahertz(slot.frequency),
            slot.transponderKnown ? polarisationText(slot) : dash,
            slot.transponderKnown ? (slot.highBand ? SheetPainter::tr("high") : SheetPainter::tr("low"))
                                  : dash};
}

void paintStatics(Flow &flow, const SheetContent &content)
{
    flow.gap(4);
    const QVector<SheetContent::Slot> statics = content.staticSlots();
    flow.keep(30 + 15 * qMin(statics.size() + 1, 8));
    flow.text(SheetPainter::tr("Static UBs"), 12, true);
    if (statics.isEmpty()) {
        flow.text(SheetPainter::tr("No static UBs."), 10);
        return;
    }
    const QVector<qreal> columns{0, 0.09, 0.23, 0.31, 0.55, 0.63, 0.79, 0.87};
    flow.row({SheetPainter::tr("UB"), SheetPainter::tr("Slot"), SheetPainter::tr("LNB"),
              SheetPainter::tr("Satellite"), SheetPainter::tr("TP"), SheetPainter::tr("Frequency"),
              SheetPainter::tr("Pol."), SheetPainter::tr("Band")},
             columns, true);
    for (const SheetContent::Slot &slot : statics)
        flow.row(staticRow(slot), columns);
}

void paintWarnings(Flow &flow, const SheetContent &content)
{
    flow.gap(4);
    const QStringList warnings = content.checkMessages + slotProblems(content);
    flow.keep(10 * 1.5 * 2);
    flow.text(SheetPainter::tr("Warnings"), 12, true);
    if (warnings.isEmpty())
        flow.text(SheetPainter::tr("None."), 10);
    for (const QString &warning : warnings)
        flow.text(QStringLiteral("- ") + warning, 10, false, SheetPainter::problemColour());
}
} // namespace

qreal SheetPainter::xForFrequency(qreal megahertz)
{
    return axisLeft + (megahertz - SheetContent::bandStart) * (axisRight - axisLeft) /
                          (SheetContent::bandEnd - SheetContent::bandStart);
}

QRectF SheetPainter::slotRect(quint32 ubNumber)
{
    const qreal centre = SheetContent::firstSlot + SheetContent::slotSpacing * qreal(ubNumber);
    const qreal left = xForFrequency(centre - slotHalfWidth);
    return QRectF(left, barTop, xForFrequency(centre + slotHalfWidth) - left, barBottom - barTop);
}

QRectF SheetPainter::markRect(quint32 ubNumber)
{
    const QRectF bar = slotRect(ubNumber);
    return QRectF(bar.center().x() - markSize / 2, markTop, markSize, markSize);
}

QColor SheetPainter::slotColour(const SheetContent::Slot &slot)
{
    // The colours of the band list's rows.
    UBRecord record;
    record.type = slot.isStatic ? UBRecord::staticType : UBRecord::dynamicType;
    record.line = slot.line;
    return QColor(record.rowColour());
}

QColor SheetPainter::problemColour()
{
    return QColor(0xd0, 0x10, 0x10);
}

void SheetPainter::paintPicture(QPainter &painter, const QRectF &target, const SheetContent &content)
{
    if (target.isEmpty())
        return;
    const qreal scale = qMin(target.width() / pictureWidth, target.height() / pictureHeight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.left() + (target.width() - pictureWidth * scale) / 2,
                      target.top() + (target.height() - pictureHeight * scale) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, pictureWidth, pictureHeight), Qt::white);
    for (const SheetContent::Slot &slot : content.bandSlots) {
        if (slot.ubNumber < 24)
            paintSlot(painter, slot);
    }
    paintAxis(painter);
    paintLegend(painter);
    painter.restore();
}

qreal SheetPainter::paintWords(QPainter *painter, qreal width, const SheetContent &content, bool withPicture,
                               qreal pageHeight, const std::function<void()> &newPage)
{
    Flow flow(painter, width, pageHeight, newPage);
    paintHeading(flow, content, withPicture);
    paintLines(flow, content);
    paintStatics(flow, content);
    paintWarnings(flow, content);
    return flow.used();
}

QString SheetPainter::markSymbol(SheetContent::Slot::Problem problem)
{
    switch (problem) {
    case SheetContent::Slot::Problem::Unassigned:
        return QStringLiteral("?");
    case SheetContent::Slot::Problem::BeyondLineLimit:
        return QStringLiteral(">8");
    case SheetContent::Slot::Problem::IntermediateFrequency:
        return QStringLiteral("IF");
    case SheetContent::Slot::Problem::SatelliteId:
        return QStringLiteral("ID");
    case SheetContent::Slot::Problem::UbNumber:
        return QStringLiteral("UB");
    case SheetContent::Slot::Problem::NotInSatelliteData:
        return QStringLiteral("TP");
    case SheetContent::Slot::Problem::None:
        break;
    }
    return QString();
}

qreal SheetPainter::paintCover(QPainter *painter, qreal width, const SheetCover &cover, qreal pageHeight,
                               const std::function<void()> &newPage)
{
    Flow flow(painter, width, pageHeight, newPage);
    flow.text(cover.title, 18, true);
    if (!cover.note.isEmpty())
        flow.text(cover.note, 10);
    flow.gap(6);
    const QVector<qreal> columns{0, 0.45, 0.65, 0.82};
    flow.row(cover.header, columns, true);
    for (const QStringList &row : cover.rows)
        flow.row(row, columns);
    return flow.used();
}

namespace {
// The PDF every sheet is written to: A4 portrait, the painter in points.
class SheetPdf
{
public:
    explicit SheetPdf(QIODevice *device) : writer(device)
    {
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(SheetPainter::tr("Installation sheet"));
        writer.setCreator(QStringLiteral("Fenzo Setup"));
        page = writer.pageLayout().paintRect(QPageLayout::Point);
    }

    bool begin()
    {
        if (!painter.begin(&writer))
            return false;
        // Lay out in points, whatever the writer's resolution.
        const qreal toDevice = writer.resolution() / 72.0;
        painter.scale(toDevice, toDevice);
        return true;
    }

    // Each document after the first starts a page of its own.
    template <typename Paint> void document(const Paint &paint)
    {
        if (pages > 0)
            nextPage();
        else
            pages = 1;
        paint(&painter, page.width(), page.height(), [this] { nextPage(); });
    }

    bool end(int *pageCount)
    {
        const bool ended = painter.end();
        if (pageCount)
            *pageCount = pages;
        return ended && pagesStarted;
    }

private:
    void nextPage()
    {
        pagesStarted = writer.newPage() && pagesStarted;
        ++pages;
    }

    QPdfWriter writer;
    QPainter painter;
    QRectF page;
    int pages = 0;
    bool pagesStarted = true;
};

void paintSheet(SheetPdf &pdf, const SheetContent &content)
{
    pdf.document([&content](QPainter *painter, qreal width, qreal height, const std::function<void()> &next) {
        SheetPainter::paintWords(painter, width, content, true, height, next);
    });
}
} // namespace

bool SheetPainter::writePdf(QIODevice *device, const SheetContent &content, int *pageCount)
{
    SheetPdf pdf(device);
    if (!pdf.begin())
        return false;
    paintSheet(pdf, content);
    return pdf.end(pageCount);
}

bool SheetPainter::writePdf(QIODevice *device, const SheetCover &cover, const QVector<SheetContent> &sheets,
                            int *pageCount)
{
    SheetPdf pdf(device);
    if (!pdf.begin())
        return false;
    pdf.document([&cover](QPainter *painter, qreal width, qreal height, const std::function<void()> &next) {
        paintCover(painter, width, cover, height, next);
    });
    for (const SheetContent &content : sheets)
        paintSheet(pdf, content);
    return pdf.end(pageCount);
}

QImage SheetPainter::renderPicture(const SheetContent &content, qreal scale)
{
    QImage image(QSize(qRound(pictureWidth * scale), qRound(pictureHeight * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), content);
    painter.end();
    return image;
}
