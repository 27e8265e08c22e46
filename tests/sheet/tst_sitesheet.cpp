// A site's sheet: a cover listing the switches, then each switch's sheet
// from a page of its own, in one PDF; every name drawn as plain text.
#include "model/SettingsFile.h"
#include "sheet/SheetPainter.h"
#include "sheet/SiteSheet.h"
#include "site/SitePlan.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The pages of a PDF as its page objects say.
int pageObjects(const QByteArray &pdf)
{
    const QByteArray page("/Type /Page");
    int count = 0;
    for (int at = pdf.indexOf(page); at >= 0; at = pdf.indexOf(page, at + 1)) {
        // "/Type /Pages" is the tree above them.
        if (at + page.size() < pdf.size() && pdf.at(at + page.size()) != 's')
            ++count;
    }
    return count;
}

int sheetPages(const SheetContent &content)
{
    QBuffer buffer;
    int pages = 0;
    if (!buffer.open(QIODevice::WriteOnly) || !SheetPainter::writePdf(&buffer, content, &pages))
        return -1;
    return pages;
}

// A plan whose sheet needs more than one page: many problems to tell.
BandPlan longPlan()
{
    BandPlan plan = BandPlan::defaultPlan();
    for (int i = 0; i < 12; ++i) {
        plan.list[i].type = UBRecord::staticType;
        plan.list[i].tp = -1;
    }
    return plan;
}

SiteEntry entry(const QString &label, const BandPlan &plan, const QString &serial = QString())
{
    SiteEntry e;
    e.label = label;
    e.plan = SettingsFile::bytes(plan);
    e.serial = serial;
    if (!serial.isEmpty()) {
        e.stored = QDate(2026, 12, 9);
        e.readBack = true;
    }
    return e;
}
} // namespace

class SiteSheetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QVector<SheetContent> contents(const Site &site)
    {
        QVector<SheetContent> sheets;
        for (const SiteEntry &e : site.entries)
            sheets << SiteSheet::content(e, SitePlan::decode(e), SatelliteCatalogue(), QDate(2026, 12, 9),
                                         OwnTransponders());
        return sheets;
    }

private slots:
    void pagesAreTheCoverAndEachSheet()
    {
        Site site;
        site.name = QStringLiteral("Main Street 4");
        site.entries << entry(QStringLiteral("Stairwell A, cellar"), BandPlan::defaultPlan(),
                              QStringLiteral("01332251"))
                     << entry(QStringLiteral("Stairwell B"), longPlan())
                     << entry(QStringLiteral("Attic"), BandPlan::defaultPlan());
        const QVector<SheetContent> sheets = contents(site);
        int expected = 1;
        for (const SheetContent &content : sheets)
            expected += sheetPages(content);
        QVERIFY(sheetPages(sheets.at(1)) > 1);

        const QString path = dir.filePath(QStringLiteral("site.pdf"));
        QString error;
        QVERIFY2(SiteSheet::savePdf(path, site, sheets, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(pageObjects(file.readAll()), expected);
    }

    void coverListsTheSwitchesInPlainText()
    {
        Site site;
        site.name = QStringLiteral("<b>Main</b> Street");
        site.note = QStringLiteral("Key at the caretaker's");
        site.entries << entry(QStringLiteral("<i>Cellar</i>"), BandPlan::defaultPlan(),
                              QStringLiteral("01332251"))
                     << entry(QStringLiteral("Attic"), BandPlan::defaultPlan());
        const SheetCover cover = SiteSheet::cover(site);
        QCOMPARE(cover.rows.size(), 2);
        QCOMPARE(cover.rows.at(0), (QStringList{"<i>Cellar</i>", "01332251", "2026-12-09", "read back"}));
        QCOMPARE(cover.rows.at(1), (QStringList{"Attic", "-", "-", "-"}));

        const QString path = dir.filePath(QStringLiteral("plain.pdf"));
        QString error;
        QVERIFY2(SiteSheet::savePdf(path, site, contents(site), &error), qPrintable(error));
        QProcess process;
        process.start(QStringLiteral(FENZO_PDFTOTEXT), {path, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000) && process.exitCode() == 0);
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const QString &piece : {"<b>Main</b> Street", "Key at the caretaker's", "<i>Cellar</i>"})
            QVERIFY2(text.contains(piece), qPrintable(text.left(400)));
        // The label heads its switch's sheet, too.
        QVERIFY(text.count(QStringLiteral("<i>Cellar</i>")) >= 2);
    }

    void unreadablePlanNamesItsEntry()
    {
        SiteEntry damaged;
        damaged.label = QStringLiteral("Cellar");
        damaged.plan = QByteArray("not a plan");
        try {
            SitePlan::decode(damaged);
            QFAIL("no plan in these bytes");
        } catch (const std::runtime_error &e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("\"Cellar\"")));
        }
    }
};

QTEST_MAIN(SiteSheetTest)
#include "tst_sitesheet.moc"
