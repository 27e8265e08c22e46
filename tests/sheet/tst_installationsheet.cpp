#include "UBRecordBuilders.h"
#include "UiTestHelper.h"
#include "model/BandRules.h"
#include "service/PlanPreparation.h"
#include "service/SatelliteData.h"
#include "sheet/InstallationSheet.h"
#include "sheet/SheetPainter.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

Q_DECLARE_METATYPE(std::function<void(BandPlan &)>)

// The sheet of one known plan on the three satellites of the offline cache:
// UB23 static on LNB1 (Astra 19.2E, transponder 3 at 10752 MHz, vertical,
// low band), UB22 static on LNB2 (Astra 28.2E, transponder 22 at 11241 MHz,
// horizontal), UB21 static and unassigned, UB20 static with a frequency
// that cannot be sent, and nine dynamic UBs on line 1.
class InstallationSheetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir directory;
    std::unique_ptr<SatelliteData> satellites;
    std::unique_ptr<InstallationSheet> sheet;
    std::optional<QString> switchShown; // what the sheet is told of the switch

    static UBRecord &record(BandPlan &plan, quint32 ubNumber)
    {
        const auto found = std::find_if(plan.list.begin(), plan.list.end(),
                                        [ubNumber](const UBRecord &r) { return r.ubNumber == ubNumber; });
        Q_ASSERT(found != plan.list.end());
        return *found;
    }

    static void assign(BandPlan &plan, quint32 ubNumber, quint32 lnb, qint32 tp, quint32 freq)
    {
        UBRecord &ub = record(plan, ubNumber);
        ub.lnb = lnb;
        ub.tp = tp;
        ub.freq = freq;
    }

    // A plan of UB23 alone, static at this transponder of a satellite that
    // both inputs see.
    static BandPlan oneStaticUB(const QString &satellite, qint32 tp, quint32 freq)
    {
        BandPlan plan;
        plan.lnb1 = satellite;
        plan.lnb2 = satellite;
        plan.list = {staticUB(23, 0, tp, freq)};
        return plan;
    }

    // Four static UBs in the first rows, as the band list places them.
    static BandPlan knownPlan()
    {
        BandPlan plan = BandPlan::defaultPlan();
        plan.lnb1 = QStringLiteral("Astra 19.2E");
        plan.lnb2 = QStringLiteral("Astra 28.2E");
        BandRules::placeStaticUBs(plan.list, 4, true, 0);
        assign(plan, 23, 0, 3, 10752);
        assign(plan, 22, 1, 22, 11241);
        assign(plan, 20, 0, 4, 13000);
        // UB0 to UB8 onto the first line: nine dynamic UBs there.
        for (quint32 ub = 0; ub < 9; ++ub)
            record(plan, ub).line = 0;
        if (!plan.numberDynamicUBs(false))
            qFatal("the known plan has a UB on no line");
        return plan;
    }

    // The plan held, changed by `change`, handed to the sheet again.
    void changePlan(const std::function<void(BandPlan &)> &change)
    {
        BandPlan plan = sheet->plan();
        change(plan);
        sheet->setPlan(plan);
    }

    static QString pdfText(const QString &path)
    {
        QProcess process;
        process.start(QStringLiteral(FENZO_PDFTOTEXT), {path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(directory.isValid());
        UiTestHelper helper(directory.path());
        QVERIFY(helper.writeSatelliteCache());
        satellites = std::make_unique<SatelliteData>(helper.offlineEnvironment());
        satellites->loadNow();
        QCOMPARE(satellites->catalogue()->satelliteNames().size(), 3);
        sheet = std::make_unique<InstallationSheet>(
            [this] { return satellites->catalogue(); }, [] { return QDate(2026, 3, 14); }, nullptr,
            InstallationSheet::OwnSource(), [this] { return switchShown; });
        sheet->setPlan(knownPlan());
    }

    void contentOfKnownPlan()
    {
        const SheetContent content = sheet->content();
        QCOMPARE(content.bandSlots.size(), 24);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(content.bandSlots.at(i).slotFrequency, 975u + 50u * quint32(i));

        const SheetContent::Slot &astra = content.bandSlots.at(23);
        QVERIFY(astra.isStatic && astra.assigned && astra.transponderKnown);
        QCOMPARE(astra.satellite, QStringLiteral("Astra 19.2E"));
        QCOMPARE(astra.frequency, 10752u);
        QCOMPARE(astra.polarisation, Polarisation(Polarisation::V));
        QVERIFY(!astra.highBand);
        QVERIFY(!astra.hasProblem());
        const SheetContent::Slot &second = content.bandSlots.at(22);
        QCOMPARE(second.satellite, QStringLiteral("Astra 28.2E"));
        QCOMPARE(second.polarisation, Polarisation(Polarisation::H));
        QVERIFY(content.bandSlots.at(21).isStatic && !content.bandSlots.at(21).assigned);
        QVERIFY(content.bandSlots.at(21).hasProblem());
        // A frequency that is not its transponder's: the number names another
        // transponder, which is not sent in its place.
        QCOMPARE(content.bandSlots.at(20).problem(), SheetContent::Slot::Problem::NotInSatelliteData);
        QCOMPARE(astra.problem(), SheetContent::Slot::Problem::None);

        const QVector<SheetContent::Slot> firstLine = content.lineSlots(0);
        QVERIFY(firstLine.size() > 8);
        for (int i = 0; i < firstLine.size(); ++i) {
            QCOMPARE(firstLine.at(i).localUB, quint32(i));
            QVERIFY(firstLine.at(i).beyondLineLimit);
        }
        QVERIFY(!content.lineSlots(1).isEmpty());
        QVERIFY(!content.lineSlots(1).first().beyondLineLimit);
        QVERIFY(!content.deviceConnected);
    }

    // Each reason a static UB cannot be sent has its own mark: a satellite
    // id above 127 is no intermediate frequency problem.
    void problemMarks_data()
    {
        QTest::addColumn<QString>("satellite");
        QTest::addColumn<qint32>("tp");
        QTest::addColumn<quint32>("freq");
        QTest::addColumn<QString>("mark");
        const QString low = QStringLiteral("Low 5.0E");    // id 5
        const QString high = QStringLiteral("High 20.0E"); // id 200
        QTest::newRow("fits") << low << 1 << 10800u << QString();
        QTest::newRow("satellite id above 127") << high << 1 << 10800u << QStringLiteral("ID");
        QTest::newRow("intermediate frequency out of reach") << low << 2 << 13000u << QStringLiteral("IF");
        QTest::newRow("frequency not the transponder's") << low << 1 << 10801u << QStringLiteral("TP");
        QTest::newRow("transponder not in the data") << low << 9 << 10800u << QStringLiteral("TP");
        QTest::newRow("not assigned") << high << -1 << 0u << QStringLiteral("?");
    }

    void problemMarks()
    {
        QFETCH(QString, satellite);
        QFETCH(qint32, tp);
        QFETCH(quint32, freq);
        QFETCH(QString, mark);
        const SatelliteCatalogue data(
            {{QStringLiteral("Low 5.0E"),
              {{1, 10800, Polarisation::V, 9750, 5}, {2, 13000, Polarisation::V, 9750, 5}}},
             {QStringLiteral("High 20.0E"), {{1, 10800, Polarisation::H, 9750, 200}}}},
            {{QStringLiteral("High 20.0E"), 200, 9750, 10600}, {QStringLiteral("Low 5.0E"), 5, 9750, 10600}});
        const SheetContent content =
            SheetContent::build(oneStaticUB(satellite, tp, freq), data, QDate(2026, 3, 14));
        QCOMPARE(content.bandSlots.size(), 1);
        const SheetContent::Slot &slot = content.bandSlots.first();
        QCOMPARE(SheetPainter::markSymbol(slot.problem()), mark);
        QCOMPARE(slot.hasProblem(), !mark.isEmpty());
    }

    // A transponder the user entered by hand is marked as such; the
    // data's own rows are not.
    void ownTransponderMarked_data()
    {
        QTest::addColumn<qint32>("tp");
        QTest::addColumn<quint32>("freq");
        QTest::addColumn<bool>("own");
        QTest::newRow("own") << 2 << 12500u << true;
        QTest::newRow("the data's") << 1 << 10800u << false;
    }

    void ownTransponderMarked()
    {
        QFETCH(qint32, tp);
        QFETCH(quint32, freq);
        QFETCH(bool, own);
        const QString name = QStringLiteral("Low 5.0E");
        const SatelliteCatalogue data({{name, {{1, 10800, Polarisation::V, 9750, 5}}}},
                                      {{name, 5, 9750, 10600}});
        OwnTransponders mine;
        QVERIFY(mine.add({name, 12500, Polarisation::L}));
        const SheetContent content =
            SheetContent::build(oneStaticUB(name, tp, freq), mine.addTo(data), QDate(2026, 3, 14), mine);
        QCOMPARE(content.bandSlots.size(), 1);
        QVERIFY(content.bandSlots.first().transponderKnown);
        QCOMPARE(content.bandSlots.first().own, own);
    }

    // A plan met by data: a transponder the data lack is marked with what
    // the plan holds (its number names another row), and a polarisation its
    // number decided is named for a look.
    void missingAndTakenPolarisationNamed()
    {
        const QString name = QStringLiteral("Low 5.0E");
        const SatelliteCatalogue data({{name,
                                        {{1, 10800, Polarisation::V, 9750, 5},
                                         {3, 10800, Polarisation::H, 9750, 5},
                                         {2, 11200, Polarisation::V, 9750, 5}}}},
                                      {{name, 5, 9750, 10600}});
        BandPlan plan;
        plan.lnb1 = name;
        plan.lnb2 = name;
        plan.list = {staticUB(23, 0, 3, 10800), withPolarisation(staticUB(22, 0, 1, 10805), Polarisation::V)};
        BandRules::matchToCatalogue(plan.list, name, name, data);

        const SheetContent content = SheetContent::build(plan, data, QDate(2026, 3, 14));
        const SheetContent::Slot &taken = content.bandSlots.at(1);
        QCOMPARE(taken.polarisation, Polarisation(Polarisation::H));
        QVERIFY(!taken.hasProblem());
        const SheetContent::Slot &missing = content.bandSlots.at(0);
        QCOMPARE(missing.problem(), SheetContent::Slot::Problem::NotInSatelliteData);
        QVERIFY(!missing.transponderKnown);
        QCOMPARE(missing.transponder, 1);

        const QString path = directory.path() + QStringLiteral("/met.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(SheetPainter::writePdf(&file, content));
        file.close();
        const QString text = pdfText(path).simplified();
        QVERIFY2(text.contains(QStringLiteral("UB23: Low 5.0E has no transponder at 10805 MHz V")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("UB24: polarisation H taken from transponder 3; check it")),
                 qPrintable(text));
    }

    // The sheet says what the check before a transfer says: its refusal
    // with the UBs it names, or its warning.
    void warningsAreTheTransferCheck()
    {
        const PlanPreparation transfer(satellites->catalogue());
        const PlanCheck refused = transfer.judge(sheet->plan()).check;
        QCOMPARE(refused.failure(), PlanCheck::Failure::StaticUnassigned);
        const QString refusal =
            PlanCheck::failureMessage(refused.failure()) + QLatin1Char('\n') + refused.unassignedText();
        QCOMPARE(sheet->content().checkMessages, QStringList{refusal});

        // Assigned: the check goes on and only warns about the full line.
        changePlan([](BandPlan &plan) { record(plan, 21).tp = 5; });
        const PlanCheck warned = transfer.judge(sheet->plan()).check;
        QVERIFY(warned.passed() && warned.localUBTooHigh());
        QCOMPARE(sheet->content().checkMessages, QStringList{PlanCheck::localUBWarning()});
        changePlan([](BandPlan &plan) { record(plan, 21).tp = -1; });
    }

    void pdfText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        const QStringList common{QStringLiteral("2026-03-14"),  QStringLiteral("Astra 19.2E"),
                                 QStringLiteral("Astra 28.2E"), QStringLiteral("UB24"),
                                 QStringLiteral("2125 MHz"),    QStringLiteral("10752 MHz"),
                                 QStringLiteral("11241 MHz"),   QStringLiteral("UB01"),
                                 QStringLiteral("975 MHz"),     QStringLiteral("1375 MHz")};
        QTest::newRow("English")
            << QStringLiteral("en")
            << common + QStringList{QStringLiteral("Installation sheet"),
                                    QStringLiteral("No device was connected."),
                                    QStringLiteral("Line 1"),
                                    QStringLiteral("Line 4"),
                                    QStringLiteral("not assigned"),
                                    QStringLiteral("All static UBs must be assigned to a "
                                                   "transponder."),
                                    QStringLiteral("UB22 is static but has no transponder."),
                                    QStringLiteral("UB21: Astra 19.2E has no transponder at 13000 MHz"),
                                    QStringLiteral("low")};
        QTest::newRow("German") << QStringLiteral("de")
                                << common +
                                       QStringList{QStringLiteral("Installationsblatt"),
                                                   QStringLiteral("Es war kein Gerät angeschlossen."),
                                                   QStringLiteral("Leitung 1"),
                                                   QStringLiteral("Leitung 4"),
                                                   QStringLiteral("nicht zugewiesen"),
                                                   QStringLiteral("Alle statischen UBs müssen einem "
                                                                  "Transponder zugewiesen haben."),
                                                   QStringLiteral("UB22 ist statisch, hat aber keinen "
                                                                  "Transponder."),
                                                   QStringLiteral("UB21: Astra 19.2E hat keinen Transponder "
                                                                  "bei 13000 MHz"),
                                                   QStringLiteral("Low")};
    }

    void pdfText()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QVERIFY2(QFileInfo(QStringLiteral(FENZO_PDFTOTEXT)).isExecutable(),
                 "pdftotext (poppler-utils) missing");
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/fenzo_setup_") + language));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString path = directory.path() + QStringLiteral("/sheet-") + language + QStringLiteral(".pdf");
        const bool saved = sheet->savePdf(QUrl::fromLocalFile(path).toString());
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(saved);

        const QString raw = pdfText(path);
        QVERIFY(!raw.isEmpty());
        QVERIFY(raw.count(QLatin1Char('\f')) <= 2); // one form feed per page: at most two pages
        // pdftotext may break a long line; compare with blanks folded.
        const QString text = raw.simplified();
        for (const QString &piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece));
        QVERIFY(text.count(QStringLiteral("UB")) >= 24);
    }

    // The picture at its own scale: each slot in its line's colour at its
    // place on the axis, and the marks exactly on the problem slots.
    void pictureColoursAndMarks()
    {
        const SheetContent content = sheet->content();
        const QImage image = SheetPainter::renderPicture(content);
        QCOMPARE(image.size(), QSize(int(SheetPainter::pictureWidth), int(SheetPainter::pictureHeight)));
        const QColor red = SheetPainter::problemColour();
        for (const SheetContent::Slot &slot : content.bandSlots) {
            const QRectF bar = SheetPainter::slotRect(slot.ubNumber);
            QCOMPARE(qRound(bar.center().x()), qRound(SheetPainter::xForFrequency(slot.slotFrequency)));
            // Inside the frame that marks a problem, above the bar's texts.
            const QPoint inside = QPointF(bar.left() + 6, bar.top() + 8).toPoint();
            QCOMPARE(image.pixelColor(inside), SheetPainter::slotColour(slot));
            const QRectF mark = SheetPainter::markRect(slot.ubNumber);
            const QPoint ring = QPointF(mark.left() + 4, mark.center().y()).toPoint();
            QCOMPARE(image.pixelColor(ring) == red, slot.hasProblem());
        }
        QCOMPARE(SheetPainter::slotColour(content.bandSlots.at(23)), QColor(QStringLiteral("ivory")));
        QCOMPARE(SheetPainter::slotColour(content.bandSlots.at(9)), QColor(QStringLiteral("#99ddff")));
        QVERIFY(content.bandSlots.at(21).hasProblem() && content.bandSlots.at(20).hasProblem());
        QVERIFY(content.bandSlots.at(0).hasProblem() && !content.bandSlots.at(9).hasProblem());
    }

    void savingThroughUnusualPath()
    {
        const QString folder = directory.path() + QStringLiteral("/Blatt für Kunde");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(sheet->savePdf(QUrl::fromLocalFile(folder + QStringLiteral("/plan ä.pdf")).toString()));
        QVERIFY(sheet->savePicture(QUrl::fromLocalFile(folder + QStringLiteral("/plan ä")).toString()));
        QFile pdf(folder + QStringLiteral("/plan ä.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        const QImage png(folder + QStringLiteral("/plan ä.png"));
        QCOMPARE(png.size(),
                 QSize(2 * int(SheetPainter::pictureWidth), 2 * int(SheetPainter::pictureHeight)));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    }

    void unwritableFolder_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::newRow("PDF") << true;
        QTest::newRow("picture") << false;
    }

    // A "folder" that is a plain file cannot take a file, even for root.
    void unwritableFolder()
    {
        QFETCH(bool, pdf);
        const QString blocker = directory.path() + QStringLiteral("/not a folder");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString target = blocker + (pdf ? QStringLiteral("/sheet.pdf") : QStringLiteral("/sheet.png"));
        QSignalSpy errors(sheet.get(), &InstallationSheet::errorOccured);
        QVERIFY(errors.isValid());
        const bool saved = pdf ? sheet->savePdf(QUrl::fromLocalFile(target).toString())
                               : sheet->savePicture(QUrl::fromLocalFile(target).toString());
        QVERIFY(!saved);
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.first().first().toString().contains(QDir::toNativeSeparators(target)));
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QFileInfo(blocker).size(), 0);
    }

    // A dialog accepted on a folder names the folder: no file appears
    // beside it under a made-up name.
    void folderInsteadOfFile()
    {
        const QString folder = directory.path() + QStringLiteral("/chosen folder");
        QVERIFY(QDir().mkpath(folder));
        QSignalSpy errors(sheet.get(), &InstallationSheet::errorOccured);
        QVERIFY(errors.isValid());
        QVERIFY(!sheet->savePdf(QUrl::fromLocalFile(folder).toString()));
        QCOMPARE(errors.count(), 1);
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral(".pdf")));
        QVERIFY(QDir(folder).isEmpty());
    }

    // A plan handed over again is no change; any difference is one.
    void changesAreAnnounced_data()
    {
        using Change = std::function<void(BandPlan &)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("announced");
        QTest::newRow("the same plan") << Change([](BandPlan &) {}) << 0;
        QTest::newRow("LTE filter") << Change([](BandPlan &plan) { plan.lteFilter = !plan.lteFilter; }) << 1;
        QTest::newRow("stand-by") << Change([](BandPlan &plan) { plan.standBy = !plan.standBy; }) << 1;
        QTest::newRow("a satellite") << Change([](BandPlan &plan) { plan.lnb2 = plan.lnb1; }) << 1;
        QTest::newRow("a transponder") << Change([](BandPlan &plan) { record(plan, 21).tp = 5; }) << 1;
        QTest::newRow("a line") << Change([](BandPlan &plan) { record(plan, 9).line = 2; }) << 1;
    }

    void changesAreAnnounced()
    {
        QFETCH(std::function<void(BandPlan &)>, change);
        QFETCH(int, announced);
        const BandPlan before = sheet->plan();
        QSignalSpy changed(sheet.get(), &InstallationSheet::changed);
        QVERIFY(changed.isValid());
        changePlan(change);
        QCOMPARE(changed.count(), announced);
        sheet->setPlan(before);
        QCOMPARE(changed.count(), 2 * announced);
        QCOMPARE(sheet->plan(), before);
    }

    // The sheet names the switch its source gives when it is made.
    void connectedSwitchNamed()
    {
        switchShown = QStringLiteral("01332251");
        QVERIFY(sheet->content().deviceConnected);
        QCOMPARE(sheet->content().serialNumber, QStringLiteral("01332251"));
        switchShown.reset();
        QVERIFY(!sheet->content().deviceConnected);
    }
};

QTEST_MAIN(InstallationSheetTest)

#include "tst_installationsheet.moc"
