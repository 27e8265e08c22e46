// "fenzo_cli site ...": a site file kept from a shell, without a server or a
// switch.
#include "OfflineEnvironment.h"
#include "cli/CommandLineTool.h"
#include "model/SettingsFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class SiteCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString output;
    QString errors;
    QString site;
    QString plan;

    int run(const QStringList &arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        CommandLineTool tool(out, err, OfflineEnvironment::in(dir.path()));
        return tool.run(arguments);
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        site = dir.filePath(QStringLiteral("house.fsite"));
        QFile::remove(site);
        plan = dir.filePath(QStringLiteral("plan.dat"));
        BandPlan bandPlan = BandPlan::defaultPlan();
        bandPlan.lnb1 = QStringLiteral("Astra 19.2E");
        QVERIFY(writeBytes(plan, SettingsFile::bytes(bandPlan)));
    }

    // Added, listed, exported byte for byte; a label taken is refused and the
    // file stays as it was.
    void roundTrip()
    {
        QCOMPARE(run({"site", "add", site, "Stairwell A, cellar", plan}), 0);
        QCOMPARE(run({"site", "add", site, "--", "-roof\tnorth", plan}), 0);
        const QByteArray twoEntries = fileBytes(site);
        QCOMPARE(run({"site", "add", site, "Stairwell A, cellar", plan}), 2);
        QVERIFY2(errors.contains("already has a switch labelled \"Stairwell A, cellar\""),
                 qPrintable(errors));
        QCOMPARE(fileBytes(site), twoEntries);

        QCOMPARE(run({"site", "list", site}), 0);
        QCOMPARE(output, QStringLiteral("Stairwell A, cellar\t-\t-\t-\n-roof\\tnorth\t-\t-\t-\n"));

        const QString exported = dir.filePath(QStringLiteral("out.dat"));
        QCOMPARE(run({"site", "export", site, "--", "-roof\tnorth", exported}), 0);
        QCOMPARE(fileBytes(exported), fileBytes(plan));

        QCOMPARE(run({"site", "remove", site, "Stairwell A, cellar"}), 0);
        QCOMPARE(run({"site", "name", site, "--", "-Lindenstraße 4"}), 0);
        QCOMPARE(run({"site", "list", site}), 0);
        QCOMPARE(output, QStringLiteral("-roof\\tnorth\t-\t-\t-\n"));
        QVERIFY(fileBytes(site).contains("\"name\": \"-Lindenstraße 4\""));
    }

    // Without "--" a label beginning with "-" is an unknown option.
    void dashLabelNeedsTheEndOfOptions()
    {
        QCOMPARE(run({"site", "add", site, "-B", plan}), 2);
        QVERIFY2(errors.contains("-B"), qPrintable(errors));
        QVERIFY(!QFile::exists(site));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("plan no settings file")
            << QStringList{"add", "NEW", "A", "SHORT"} << QStringLiteral("no complete settings file");
        QTest::newRow("no such label")
            << QStringList{"export", "SITE", "Z", "OUT"} << QStringLiteral("no switch labelled \"Z\"");
        QTest::newRow("missing site")
            << QStringList{"note", "NEW", "text"} << QStringLiteral("cannot be read");
        QTest::newRow("unknown verb")
            << QStringList{"rename", "SITE", "A", "B"} << QStringLiteral("Use site list");
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reasonPart);
        QCOMPARE(run({"site", "add", site, "A", plan}), 0);
        const QByteArray before = fileBytes(site);
        const QString shortPlan = dir.filePath(QStringLiteral("short.dat"));
        QVERIFY(writeBytes(shortPlan, "short"));
        const QString newSite = dir.filePath(QStringLiteral("new.fsite"));
        const QString out = dir.filePath(QStringLiteral("refused.dat"));
        arguments.replaceInStrings(QRegularExpression("^NEW$"), newSite);
        arguments.replaceInStrings(QRegularExpression("^SITE$"), site);
        arguments.replaceInStrings(QRegularExpression("^SHORT$"), shortPlan);
        arguments.replaceInStrings(QRegularExpression("^OUT$"), out);
        QCOMPARE(run(QStringList{"site"} + arguments), 2);
        QVERIFY2(errors.contains(reasonPart), qPrintable(errors));
        QCOMPARE(fileBytes(site), before);
        QVERIFY(!QFile::exists(newSite));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(SiteCommandTest)
#include "tst_sitecommand.moc"
