#include "model/SettingsFile.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray planBytes(const QString &lnb1)
{
    BandPlan plan = BandPlan::defaultPlan();
    plan.lnb1 = lnb1;
    return SettingsFile::bytes(plan);
}

SiteEntry entry(const QString &label, const QByteArray &plan)
{
    return SiteEntry{label, plan, {}, {}, false};
}

// A valid file's text with one switch, for the damaged variants below.
QByteArray oneSwitch(const QByteArray &format, const QByteArray &switches)
{
    return "{\"format\": " + format + ", \"switches\": [" + switches + "]}";
}

QByteArray switchText(const QByteArray &label, const QByteArray &plan)
{
    return "{\"label\": \"" + label + "\", \"plan\": \"" + plan + "\"}";
}
} // namespace

class TestSiteFile : public QObject
{
    Q_OBJECT

private slots:
    // Each test and row gets a directory of its own.
    void init()
    {
        m_dirHolder.reset(new QTemporaryDir);
        QVERIFY(m_dirHolder->isValid());
    }

    void roundTripKeepsEveryField()
    {
        const QString path = dir().filePath(QStringLiteral("round.fsite"));
        SiteFile file(path);
        QString reason;
        SiteEntry stored =
            entry(QStringLiteral("Stairwell A, cellar"), planBytes(QStringLiteral("Astra 19.2E")));
        QVERIFY2(file.apply(SiteChange::add(stored), &reason), qPrintable(reason));
        QVERIFY2(file.apply(SiteChange::add(
                                entry(QStringLiteral("B \"quoted\"\n"), planBytes(QStringLiteral("Hot")))),
                            &reason),
                 qPrintable(reason));
        QVERIFY(file.apply(SiteChange::recordStore(stored.label, stored.plan, QStringLiteral("SN 0042"),
                                                   QDate(2026, 3, 1), true),
                           &reason));
        QVERIFY(file.apply(SiteChange::setName(QStringLiteral("Lindenstraße 4")), &reason));
        Site written;
        QVERIFY(file.apply(SiteChange::setNote(QStringLiteral("Key at the caretaker's")), &reason, &written));

        Site read;
        QVERIFY2(file.read(&read, &reason), qPrintable(reason));
        QCOMPARE(read, written);
        QCOMPARE(read.name, QStringLiteral("Lindenstraße 4"));
        QCOMPARE(read.note, QStringLiteral("Key at the caretaker's"));
        QCOMPARE(read.entries.size(), 2);
        QCOMPARE(read.entries.at(0).label, stored.label);
        QCOMPARE(read.entries.at(0).plan, stored.plan);
        QCOMPARE(read.entries.at(0).serial, QStringLiteral("SN 0042"));
        QCOMPARE(read.entries.at(0).stored, QDate(2026, 3, 1));
        QVERIFY(read.entries.at(0).readBack);
        QCOMPARE(read.entries.at(1).label, QStringLiteral("B \"quoted\"\n"));
        QVERIFY(!read.entries.at(1).isStored());
        QVERIFY(readAll(path).contains("\"stored\": \"2026-03-01\""));
    }

    void nameDefaultsToTheBaseName()
    {
        const QString path = dir().filePath(QStringLiteral("Lindenstraße 4.fsite"));
        QVERIFY(writeAll(path, oneSwitch("1", switchText("A", planBytes({}).toBase64()))));
        Site site;
        QString reason;
        QVERIFY2(SiteFile(path).read(&site, &reason), qPrintable(reason));
        QCOMPARE(site.name, QStringLiteral("Lindenstraße 4"));
        // Written back, the name stays unwritten and so follows a renamed file.
        QVERIFY(SiteFile(path).apply(SiteChange::setNote(QStringLiteral("n")), &reason));
        QVERIFY(!readAll(path).contains("\"name\""));
    }

    void damagedFileRefusedAndLeftAsItWas_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reasonPart");
        const QByteArray plan = planBytes(QStringLiteral("Astra")).toBase64();
        QTest::newRow("not JSON") << QByteArray("{\"format\": 1,") << QStringLiteral("no JSON document");
        QTest::newRow("newer version") << oneSwitch("2", switchText("A", plan)) << QStringLiteral("format 2");
        QTest::newRow("far newer version")
            << oneSwitch("1e300", switchText("A", plan)) << QStringLiteral("newer");
        QTest::newRow("no version") << QByteArray("{\"switches\": []}") << QStringLiteral("no known format");
        QTest::newRow("duplicate label")
            << oneSwitch("1", switchText("A", plan) + "," + switchText("A", plan))
            << QStringLiteral("\"A\" occurs twice");
        QTest::newRow("empty label") << oneSwitch("1", switchText("", plan)) << QStringLiteral("no label");
        QTest::newRow("bad base64") << oneSwitch("1", switchText("A", "AAAA!!"))
                                    << QStringLiteral("not base64");
        QTest::newRow("bad plan") << oneSwitch("1", switchText("A", QByteArray("short").toBase64()))
                                  << QStringLiteral("no complete settings file");
        QTest::newRow("bad date") << oneSwitch("1", "{\"label\": \"A\", \"plan\": \"" + plan +
                                                        "\", \"stored\": \"2026-02-30\"}")
                                  << QStringLiteral("YYYY-MM-DD");
        QTest::newRow("too big") << QByteArray(int(SiteFile::maxFileBytes) + 1, ' ') << QStringLiteral("MiB");
        QByteArray many;
        for (int i = 0; i <= SiteFile::maxEntries; ++i)
            many += (i ? "," : "") + switchText(QByteArray::number(i), plan);
        QTest::newRow("too many switches") << oneSwitch("1", many) << QStringLiteral("more than 256");
        QTest::newRow("long note") << QByteArray("{\"format\": 1, \"note\": \"" +
                                                 QByteArray(SiteFile::maxNoteLength + 1, 'x') + "\"}")
                                   << QStringLiteral("longer than");
    }

    void damagedFileRefusedAndLeftAsItWas()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reasonPart);
        const QString path = dir().filePath(QStringLiteral("damaged.fsite"));
        QVERIFY(writeAll(path, content));
        SiteFile file(path);
        Site site;
        site.name = QStringLiteral("held");
        QString reason;
        QVERIFY(!file.read(&site, &reason));
        QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
        QVERIFY2(reason.contains(QStringLiteral("damaged.fsite")), qPrintable(reason));
        QCOMPARE(site.name, QStringLiteral("held"));

        reason.clear();
        QVERIFY(!file.apply(SiteChange::add(entry(QStringLiteral("new"), planBytes({}))), &reason));
        QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
        QVERIFY(readAll(path) == content);
    }

    void changesAreMergedIntoTheFileAsItIsNow()
    {
        const QString path = dir().filePath(QStringLiteral("merge.fsite"));
        QString reason;
        const QByteArray planA = planBytes(QStringLiteral("A"));
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("A"), planA)), &reason));
        // The window read the site; the tool then adds an entry and stores A.
        Site windowView;
        QVERIFY(SiteFile(path).read(&windowView, &reason));
        QVERIFY(SiteFile(path).apply(
            SiteChange::add(entry(QStringLiteral("B"), planBytes(QStringLiteral("B")))), &reason));
        QVERIFY(SiteFile(path).apply(
            SiteChange::recordStore(QStringLiteral("A"), planA, QStringLiteral("7"), QDate(2026, 1, 2), true),
            &reason));
        // The window renames A from its older view: B and the store stay.
        Site now;
        QVERIFY2(SiteFile(path).apply(SiteChange::rename(QStringLiteral("A"), windowView.entries.at(0).plan,
                                                         QStringLiteral("A, cellar")),
                                      &reason, &now),
                 qPrintable(reason));
        QCOMPARE(now.entries.size(), 2);
        QCOMPARE(now.entries.at(0).label, QStringLiteral("A, cellar"));
        QCOMPARE(now.entries.at(0).serial, QStringLiteral("7"));
        QCOMPARE(now.entries.at(1).label, QStringLiteral("B"));
    }

    void changeToAPlanChangedSinceReadIsRefused_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("remove") << 0;
        QTest::newRow("replace") << 1;
        QTest::newRow("rename") << 2;
        QTest::newRow("record store") << 3;
    }

    void changeToAPlanChangedSinceReadIsRefused()
    {
        QFETCH(int, index);
        const QString path = dir().filePath(QStringLiteral("conflict.fsite"));
        QString reason;
        const QByteArray planRead = planBytes(QStringLiteral("old"));
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("A"), planRead)), &reason));
        QVERIFY(SiteFile(path).apply(
            SiteChange::replacePlan(QStringLiteral("A"), planRead, planBytes(QStringLiteral("theirs"))),
            &reason));
        const QByteArray before = readAll(path);

        const QString label = QStringLiteral("A");
        const QByteArray mine = planBytes(QStringLiteral("mine"));
        const SiteChange changes[] = {
            SiteChange::remove(label, planRead),
            SiteChange::replacePlan(label, planRead, mine),
            SiteChange::rename(label, planRead, QStringLiteral("A2")),
            SiteChange::recordStore(label, planRead, QStringLiteral("1"), QDate(2026, 1, 1), true),
        };
        const SiteChange &change = changes[index];
        QVERIFY(!SiteFile(path).apply(change, &reason));
        QVERIFY2(reason.contains(QStringLiteral("\"A\" was changed")), qPrintable(reason));
        QCOMPARE(readAll(path), before);
    }

    void refusedChangesLeaveTheFile_data()
    {
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("same label") << QStringLiteral("already has a switch labelled \"A\"");
        QTest::newRow("bad plan") << QStringLiteral("no complete settings file");
        QTest::newRow("long label") << QStringLiteral("longer than");
        QTest::newRow("missing entry") << QStringLiteral("no switch labelled \"Z\"");
        QTest::newRow("rename onto another") << QStringLiteral("already has a switch labelled \"B\"");
    }

    void refusedChangesLeaveTheFile()
    {
        QFETCH(QString, reasonPart);
        const QString path = dir().filePath(QStringLiteral("refuse.fsite"));
        QString reason;
        const QByteArray plan = planBytes({});
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("A"), plan)), &reason));
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("B"), plan)), &reason));
        const QByteArray before = readAll(path);
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        const SiteChange change =
            row == QLatin1String("same label") ? SiteChange::add(entry(QStringLiteral("A"), plan))
            : row == QLatin1String("bad plan") ? SiteChange::replacePlan(QStringLiteral("A"), plan, "short")
            : row == QLatin1String("long label")
                ? SiteChange::add(entry(QString(SiteFile::maxLabelLength + 1, 'x'), plan))
            : row == QLatin1String("missing entry")
                ? SiteChange::remove(QStringLiteral("Z"), plan)
                : SiteChange::rename(QStringLiteral("A"), plan, QStringLiteral("B"));
        QVERIFY(!SiteFile(path).apply(change, &reason));
        QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
        QCOMPARE(readAll(path), before);
    }

    // While another program writes the file, a change waits for it and then
    // gives up with the reason, leaving the file as that program wrote it.
    void changeWaitsForAnotherWriter()
    {
        const QString path = dir().filePath(QStringLiteral("locked.fsite"));
        QString reason;
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("A"), planBytes({}))), &reason));
        const QByteArray before = readAll(path);
        QLockFile other(path + QStringLiteral(".lock"));
        QVERIFY(other.tryLock(0));
        QVERIFY(!SiteFile(path, 10).apply(SiteChange::setNote(QStringLiteral("n")), &reason));
        QVERIFY2(reason.contains(QStringLiteral("changed by another program")), qPrintable(reason));
        QCOMPARE(readAll(path), before);
        other.unlock();
        QVERIFY2(SiteFile(path, 10).apply(SiteChange::setNote(QStringLiteral("n")), &reason),
                 qPrintable(reason));
        QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
    }

    // A file that would grow beyond what the reader takes is not written.
    void changeThatWouldOutgrowTheReaderIsRefused()
    {
        const QString path = dir().filePath(QStringLiteral("big.fsite"));
        const QByteArray bigPlan = planBytes(QString(30000, 'x'));
        Site site;
        while (SiteFile::toJson(site).size() < SiteFile::maxFileBytes - 2 * bigPlan.size())
            site.entries.append(entry(QString::number(site.entries.size()), bigPlan));
        QVERIFY(writeAll(path, SiteFile::toJson(site)));
        const QByteArray before = readAll(path);
        QString reason;
        QVERIFY(!SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("one more"), bigPlan)), &reason));
        QVERIFY2(reason.contains(QStringLiteral("would be larger")), qPrintable(reason));
        QCOMPARE(readAll(path), before);
    }

    void onlyAnAddCreatesTheFile()
    {
        const QString path = dir().filePath(QStringLiteral("missing.fsite"));
        QString reason;
        QVERIFY(!SiteFile(path).apply(SiteChange::setNote(QStringLiteral("n")), &reason));
        QVERIFY(!QFile::exists(path));
        QVERIFY(SiteFile(path).apply(SiteChange::add(entry(QStringLiteral("A"), planBytes({}))), &reason));
        QVERIFY(QFile::exists(path));
    }

private:
    QTemporaryDir &dir() { return *m_dirHolder; }
    std::unique_ptr<QTemporaryDir> m_dirHolder;
};

QTEST_GUILESS_MAIN(TestSiteFile)
#include "tst_sitefile.moc"
