// fenzo_cli with a site file: "store --site" by label and by serial number,
// the workshop mode filling a site's entries, and the site's sheet; against
// the test database and switch simulators.
#include "SimulatorProcess.h"
#include "TestDatabase.h"
#include "cli/CommandLineTool.h"
#include "device/BackupPlace.h"
#include "model/SettingsFile.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
const QStringList serials{"01332251", "01332252", "01332253"};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SiteStoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    QString output;
    QString errors;
    const QDate today = QDate(2026, 12, 9);

    QString link(int n) const { return dir.filePath(QStringLiteral("switch%1").arg(n)); }
    QString backups() const { return dir.filePath(QStringLiteral("backups")); }
    QString sitePath() const { return dir.filePath(QStringLiteral("Main Street.fsite")); }

    CommandLineTool::Environment environment() const
    {
        CommandLineTool::Environment environment;
        environment.connection = TestDatabase::fixtureConnection(QStringLiteral("satellites"));
        environment.cacheDirectory = dir.filePath(QStringLiteral("cache"));
        environment.backupDirectory = backups();
        const QStringList links{link(1), link(2)};
        environment.portLister = [links] {
            QList<SerialPortCandidate> ports;
            for (const QString &path : links) {
                if (QFileInfo::exists(path))
                    ports << SerialPortCandidate::ofSwitch(path);
            }
            return ports;
        };
        environment.random = [] { return 6u; };
        environment.clock = [this] { return QDateTime(today, QTime(22, 10)); };
        return environment;
    }

    int run(const QStringList &arguments, CommandLineTool **running = nullptr)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        CommandLineTool tool(out, err, environment());
        if (running)
            *running = &tool;
        return tool.run(arguments);
    }

    bool startSwitch(int n, int serial)
    {
        if (simulators.size() < size_t(n))
            simulators.resize(n);
        simulators[n - 1] =
            std::make_unique<SimulatorProcess>(link(n), QStringList(), "SN:" + serials.at(serial));
        return simulators[n - 1]->start();
    }

    // A site with two entries, both the plan the first switch holds with
    // the LTE filter switched, the second also with the stand-by switched.
    void writeSite()
    {
        QCOMPARE(run({"read", "--port", link(1), dir.filePath("held.dat")}), 0);
        BandPlan plan = SettingsFile::read(dir.filePath("held.dat"));
        plan.lteFilter = !plan.lteFilter;
        SiteEntry cellar;
        cellar.label = QStringLiteral("Cellar");
        cellar.plan = SettingsFile::bytes(plan);
        plan.standBy = !plan.standBy;
        SiteEntry attic;
        attic.label = QStringLiteral("Attic");
        attic.plan = SettingsFile::bytes(plan);
        QFile::remove(sitePath());
        QString reason;
        const SiteFile file(sitePath());
        QVERIFY2(file.apply(SiteChange::add(cellar), &reason), qPrintable(reason));
        QVERIFY2(file.apply(SiteChange::add(attic), &reason), qPrintable(reason));
    }

    Site site()
    {
        Site read;
        QString reason;
        if (!SiteFile(sitePath()).read(&read, &reason))
            qWarning() << reason;
        return read;
    }

    // Runs workshop mode until `count` switches were handled; `next`, given
    // the number handled, plugs the next switch in.
    int workshop(int count, const std::function<void(int)> &next, QStringList *handled)
    {
        CommandLineTool *tool = nullptr;
        QTimer::singleShot(0, this, [&] {
            connect(tool, &CommandLineTool::switchHandled, this, [&](const QString &line) {
                *handled << line;
                if (handled->size() == count)
                    tool->stop();
                else
                    next(handled->size());
            });
        });
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(45000);
        return run({"store", "--each", "--site", sitePath()}, &tool);
    }

private slots:
    void init()
    {
        QVERIFY(QDir(backups()).removeRecursively());
        simulators.clear();
    }

    void storeByLabelThenBySerial()
    {
        QVERIFY(startSwitch(1, 0));
        writeSite();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"store", "--site", sitePath(), "--label", "Attic", "--port", link(1)}), 0);
        const Site stored = site();
        QCOMPARE(stored.entries.at(1).serial, serials.at(0));
        QCOMPARE(stored.entries.at(1).stored, today);
        QVERIFY(stored.entries.at(1).readBack);
        QVERIFY(!stored.entries.at(0).isStored());
        // The plan the switch had stored before, and where the switch hangs.
        const QString backup = output.split('\n', Qt::SkipEmptyParts).last();
        QCOMPARE(QString::fromUtf8(fileBytes(BackupPlace::sidePath(backup))),
                 QStringLiteral("site file: %1\nsite: Main Street\nlabel: Attic\n").arg(sitePath()));
        QCOMPARE(simulators.front()->writtenLines().last(), QStringLiteral(":MEM:WRITE:ALL"));

        // Without a label the switch finds its own entry again.
        const int sent = simulators.front()->writtenLines().size();
        QCOMPARE(run({"store", "--site", sitePath()}), 0);
        QVERIFY(simulators.front()->writtenLines().size() > sent);
        QCOMPARE(site().entries.at(1).serial, serials.at(0));
        QVERIFY(!site().entries.at(0).isStored());
    }

    void unknownSwitchHearsNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown") << QStringList{"store", "--site", "{site}"}
                                 << "The site does not know the switch 01332251; nothing was sent to it. "
                                    "Entries without a serial number yet: \"Cellar\", \"Attic\".";
        QTest::newRow("no such label") << QStringList{"store", "--site", "{site}", "--label", "Roof"}
                                       << "The site has no entry \"Roof\".";
        QTest::newRow("a plan besides") << QStringList{"store", "--site", "{site}", "plan.dat"}
                                        << "A plan file cannot be given with --site";
        QTest::newRow("label without site")
            << QStringList{"store", "--label", "Cellar", "plan.dat"} << "Unknown option --label.";
    }

    void unknownSwitchHearsNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QVERIFY(startSwitch(1, 0));
        writeSite();
        if (QTest::currentTestFailed())
            return;
        const int before = simulators.front()->writtenLines().size();
        arguments.replaceInStrings("{site}", sitePath());
        QCOMPARE(run(arguments), 2);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QCOMPARE(simulators.front()->writtenLines().size(), before);
        QVERIFY(!site().entries.at(0).isStored() && !site().entries.at(1).isStored());
    }

    void workshopFillsTheEntriesInOrder()
    {
        QVERIFY(startSwitch(1, 0));
        writeSite();
        if (QTest::currentTestFailed())
            return;
        std::vector<std::unique_ptr<SimulatorProcess>> gone;
        QStringList handled;
        // The simulators on one port share its log.
        int heardBeforeThird = 0;
        // Each switch is unplugged and the next comes on the same port.
        const int status = workshop(
            3,
            [&](int done) {
                gone.push_back(std::move(simulators.front()));
                gone.back()->stop();
                QVERIFY(startSwitch(1, done));
                heardBeforeThird = simulators.front()->writtenLines().size();
            },
            &handled);
        QCOMPARE(status, 2);
        QCOMPARE(handled.size(), 3);
        QVERIFY2(handled.at(0).startsWith(link(1) + " SN 01332251 → Cellar: stored; backup"),
                 qPrintable(handled.at(0)));
        QVERIFY2(handled.at(1).startsWith(link(1) + " SN 01332252 → Attic: stored; backup"),
                 qPrintable(handled.at(1)));
        QVERIFY2(handled.at(2).startsWith(link(1) + " 01332253: not stored: No entry of the site is left"),
                 qPrintable(handled.at(2)));
        QCOMPARE(simulators.front()->writtenLines().size(), heardBeforeThird);
        const Site filled = site();
        QCOMPARE(filled.entries.at(0).serial, serials.at(0));
        QCOMPARE(filled.entries.at(1).serial, serials.at(1));
        QVERIFY(filled.entries.at(0).readBack && filled.entries.at(1).readBack);
    }

    void siteSheet()
    {
        QVERIFY(startSwitch(1, 0));
        writeSite();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"sheet", "--site", sitePath(), dir.filePath("site.png")}), 2);
        QVERIFY2(errors.contains("cannot be saved as a picture"), qPrintable(errors));
        QVERIFY(!QFileInfo::exists(dir.filePath("site.png")));
        QCOMPARE(run({"sheet", "--site", sitePath(), dir.filePath("site.pdf")}), 0);
        QVERIFY(fileBytes(dir.filePath("site.pdf")).startsWith("%PDF"));
    }
};

QTEST_MAIN(SiteStoreTest)
#include "tst_sitestore.moc"
