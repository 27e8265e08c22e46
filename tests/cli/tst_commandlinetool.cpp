// fenzo_cli's commands with the test database and one or two switch
// simulators: exit status, standard output and error, and what reached the
// switches.
#include "RelayProcess.h"
#include "SimulatorProcess.h"
#include "StandInServer.h"
#include "TestDatabase.h"
#include "UBRecordBuilders.h"
#include "cli/CommandLineTool.h"
#include "cli/RestoreCommand.h"
#include "db/BuiltInSatellites.h"
#include "db/DownloadChild.h"
#include "db/DownloadTables.h"
#include "db/ServerSettings.h"
#include "device/CodeWord.h"
#include "device/DeviceReplies.h"
#include "device/PlanBackup.h"
#include "io/LogRing.h"
#include "model/SettingsFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <sys/resource.h>

Q_DECLARE_METATYPE(SerialPortHandler::OpenFailure)

namespace {
const QStringList serials{"01332251", "01332252"};
// Workshop mode's first line on standard error.
const QString waitingLine =
    QStringLiteral("Waiting for switches; Ctrl+C ends. Before the next switch, disconnect "
                   "the last one's power as well as its USB cable.\n");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The last line a command wrote: the backup's path after a store.
QString lastLine(const QString &text)
{
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

class CommandLineToolTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    QString output;
    QString errors;
    SerialPortHandler::PortOpener opener = &SerialPortHandler::openSystemPort;
    const LogRing *ring = nullptr;
    QString databaseName = QStringLiteral("satellites");

    QString link(int n) const { return dir.filePath(QStringLiteral("switch%1").arg(n)); }
    QString backups() const { return dir.filePath(QStringLiteral("backups")); }

    CommandLineTool::Environment environment() const
    {
        CommandLineTool::Environment environment;
        environment.connection = TestDatabase::fixtureConnection(databaseName);
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
        environment.portOpener = opener;
        return environment;
    }

    int run(const QStringList &arguments, CommandLineTool **running = nullptr)
    {
        return runWith(environment(), arguments, running);
    }

    int runWith(const CommandLineTool::Environment &environment, const QStringList &arguments,
                CommandLineTool **running = nullptr)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        CommandLineTool tool(out, err, environment);
        tool.setLog(ring);
        if (running)
            *running = &tool;
        return tool.run(arguments);
    }

    bool startSwitches(int count, const QStringList &arguments = {})
    {
        simulators.clear();
        for (int n = 1; n <= count; ++n) {
            simulators.push_back(
                std::make_unique<SimulatorProcess>(link(n), arguments, "SN:" + serials.at(n - 1)));
            if (!simulators.back()->start())
                return false;
        }
        return true;
    }

    // The plan the first switch holds, read by the tool, and variants of it.
    void writePlans()
    {
        QCOMPARE(run({"read", "--port", link(1), dir.filePath("held.dat")}), 0);
        BandPlan plan = SettingsFile::read(dir.filePath("held.dat"));
        plan.lteFilter = true;
        SettingsFile::write(dir.filePath("changed.dat"), plan);
        plan.list[0].type = UBRecord::staticType;
        plan.list[0].tp = -1;
        SettingsFile::write(dir.filePath("unassigned.dat"), plan);
        QFile bad(dir.filePath("bad.dat"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a plan") == 10);
        // A static UB on each LNB, so that the switch knows both satellites
        // (UB04 is dynamic in the switch), UB24 on another line, and the
        // terrestrial path switched.
        plan = SettingsFile::read(dir.filePath("held.dat"));
        plan.list[20] = withPolarisation(staticUB(3, 0, 71, 11836), Polarisation::H);
        plan.list[19] = withPolarisation(staticUB(4, 1, 5, 10834), Polarisation::V);
        plan.lnb1 = "Astra 19.2E";
        plan.lnb2 = "Hotbird 13.0E";
        plan.terrestrialPatchActive = !plan.terrestrialPatchActive;
        plan.list[0].line = 2;
        QVERIFY(plan.numberDynamicUBs(false));
        SettingsFile::write(dir.filePath("statics.dat"), plan);
    }

    // The plan in `held` with these static UBs in its rows from 20 down,
    // Astra 19.2E on the first input and `lnb2` on the second, written to
    // `stored`: "store" takes it to the switch, and "read" gives the same
    // file back.
    void storeAndReadBack(const CommandLineTool::Environment &environment, const QString &held,
                          const QString &lnb2, const QList<UBRecord> &statics, const QString &stored)
    {
        BandPlan plan = SettingsFile::read(held);
        for (int i = 0; i < statics.size(); ++i)
            plan.list[20 - i] = statics.at(i);
        plan.lnb1 = "Astra 19.2E";
        plan.lnb2 = lnb2;
        QVERIFY(plan.numberDynamicUBs(false));
        SettingsFile::write(stored, plan);
        QCOMPARE(runWith(environment, {"store", stored}), 0);
        const QString back = QString(stored).replace(QRegularExpression("\\.dat$"), "-back.dat");
        QCOMPARE(runWith(environment, {"read", back}), 0);
        QCOMPARE(fileBytes(back), fileBytes(stored));
    }

    // The last configuration line a switch received, without its command.
    static QString lastWords(const SimulatorProcess &simulator)
    {
        const QStringList lines = simulator.writtenLines().filter(QRegularExpression("^:CONF:ALL "));
        return lines.isEmpty() ? QString() : lines.last().mid(10);
    }

    // A pattern of a test's table with the test's paths and the word sent.
    QString filled(QString pattern, const QString &word = QString()) const
    {
        pattern.replace("{port}", QRegularExpression::escape(link(1)));
        pattern.replace("{backups}", QRegularExpression::escape(backups()));
        return pattern.replace("{word}", QRegularExpression::escape(word));
    }

    // Replies of a switch whose every dynamic UB is on another line than the
    // simulator's, the terrestrial path off: what "restore" sends word for
    // word.
    void writeReplies(const QString &path)
    {
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, (ub + 1) % 4, ub + 1).toText();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = ":CONF:LTEFILT? OFF\n:CONF:STBY? OFF\n:CONF:TERRAMP? OFF\n:CONF:ALL? " +
                                 words.join(',').toLatin1() + '\n';
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

private slots:
    // Each test finds only its own backups.
    void init() { QVERIFY(QDir(backups()).removeRecursively()); }

    void cleanup()
    {
        simulators.clear();
        opener = &SerialPortHandler::openSystemPort;
        databaseName = QStringLiteral("satellites");
    }

    void commands_data()
    {
        QTest::addColumn<int>("switches");
        QTest::addColumn<QStringList>("arguments"); // {n}: link n; other names are files in the folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // a pattern
        QTest::addColumn<QString>("error");  // a part of standard error; empty: nothing there
        QTest::addColumn<int>("writes");     // lines that changed something in the first switch

        QTest::newRow("help") << 0 << QStringList{"--help"} << 0 << "store --each PLAN.dat"
                              << "" << 0;
        QTest::newRow("satellites")
            << 0 << QStringList{"satellites"} << 0
            << "^server 127\\.0\\.0\\.1:\\d+, not encrypted\nAstra 19\\.2E\t1\t\\d+\n(.+\t\\d+\t\\d+\n){9}$"
            << "" << 0;
        QTest::newRow("unknown command") << 0 << QStringList{"frob"} << 2 << "^$"
                                         << "Unknown command frob" << 0;
        QTest::newRow("list, none") << 0 << QStringList{"list"} << 2 << "^$"
                                    << "No switch found." << 0;
        QTest::newRow("list, two") << 2 << QStringList{"list"} << 0 << "^{1}\t01332251\n{2}\t01332252\n$"
                                   << "" << 0;
        QTest::newRow("read, none") << 0 << QStringList{"read", "out.dat"} << 2 << "^$"
                                    << "No switch found. Connect the switch" << 0;
        QTest::newRow("read, two") << 2 << QStringList{"read", "out.dat"} << 2 << "^$"
                                   << "Several switches found ({1}, {2}). Choose one with --port." << 0;
        QTest::newRow("diff, same") << 1 << QStringList{"diff", "held.dat"} << 0
                                    << "^The switch holds this plan.\n$"
                                    << "" << 0;
        QTest::newRow("diff, different") << 1 << QStringList{"diff", "changed.dat"} << 1
                                         << "^LTE filter: on in the plan, off in the switch\n$"
                                         << "" << 0;
        QTest::newRow("diff, chosen port")
            << 2 << QStringList{"diff", "--port", "{2}", "held.dat"} << 0 << "^The switch holds this plan.\n$"
            << "" << 0;
        QTest::newRow("test") << 1 << QStringList{"test", "changed.dat"} << 0
                              << "^Sent; the switch's working plan was read back and matches\\.\n$"
                              << "" << 4;
        QTest::newRow("test, bad file") << 1 << QStringList{"test", "bad.dat"} << 2 << "^$"
                                        << "is no complete settings file" << 0;
        QTest::newRow("test, unassigned static UB") << 1 << QStringList{"test", "unassigned.dat"} << 2 << "^$"
                                                    << "All static UBs must be assigned." << 0;
        QTest::newRow("store, port without path")
            << 1 << QStringList{"store", "held.dat", "--port"} << 2 << "^$"
            << "--port needs the switch's port" << 0;
        QTest::newRow("store, missing file") << 1 << QStringList{"store", "missing.dat"} << 2 << "^$"
                                             << "cannot be read" << 0;
        QTest::newRow("store") << 1 << QStringList{"store", "changed.dat"} << 0
                               << "^Stored in the switch; its working plan was read back and matches\\.\n"
                                  "{backups}/01332251/\\d{8}-\\d{6}\\.dat\n$"
                               << "" << 5;
    }

    void commands()
    {
        QFETCH(int, switches);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(int, writes);
        QVERIFY(startSwitches(qMax(switches, 1)));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        if (switches == 0)
            simulators.clear();
        const auto fill = [this](QString text, bool pattern) {
            const auto quoted = [pattern](const QString &s) {
                return pattern ? QRegularExpression::escape(s) : s;
            };
            text.replace("{1}", quoted(link(1))).replace("{2}", quoted(link(2)));
            return text.replace("{backups}", quoted(backups()));
        };
        for (QString &argument : arguments) {
            argument = fill(argument, false);
            if (argument.endsWith(".dat"))
                argument = dir.filePath(argument);
        }
        const int before = switches ? simulators.front()->writtenLines().size() : 0;

        QCOMPARE(run(arguments), status);
        QVERIFY2(QRegularExpression(fill(output, true)).match(this->output).hasMatch(),
                 qPrintable(this->output));
        if (error.isEmpty())
            QVERIFY2(errors.isEmpty(), qPrintable(errors));
        else
            QVERIFY2(errors.contains(fill(error, false)), qPrintable(errors));
        if (switches)
            QCOMPARE(simulators.front()->writtenLines().size() - before, writes);
    }

    // What the switch held goes to the backup; what was stored comes back
    // from "read" unchanged.
    void storeThenReadGivesThePlanBack()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        const QString stored = dir.filePath("statics.dat");
        const BandPlan plan = SettingsFile::read(stored);
        QCOMPARE(run({"store", stored}), 0);
        const QString backup = lastLine(output);
        // The switch keeps no satellite for an LNB without static UBs: the
        // backup names those of the plan being stored.
        BandPlan held = SettingsFile::read(dir.filePath("held.dat"));
        held.lnb1 = plan.lnb1;
        held.lnb2 = plan.lnb2;
        QCOMPARE(fileBytes(backup), SettingsFile::bytes(held));
        QCOMPARE(run({"read", dir.filePath("back.dat")}), 0);
        QCOMPARE(fileBytes(dir.filePath("back.dat")), fileBytes(stored));
        QCOMPARE(run({"diff", stored}), 0);
    }

    // Own transponders on Hotbird 13.0E, entered from the shell: stored in
    // the switch in static UBs, they come back from "read" as the same
    // transponders, and the switch holds the plan as "diff" sees it.
    void ownTransponderIsStoredAndReadBack()
    {
        const QString ownFile = dir.filePath("cache/own_transponders.txt");
        const auto forget = qScopeGuard([&] { QFile::remove(ownFile); });
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"transponder", "add", "Hotbird 13.0E", "12500", "H"}), 0);
        QCOMPARE(run({"transponder", "add", "Hotbird 13.0E", "11013", "V"}), 0);
        QCOMPARE(errors, QString());
        QCOMPARE(QFileInfo(ownFile).permissions() & 0xF0FF, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(run({"transponder", "list"}), 0);
        QCOMPARE(output, QString("Hotbird 13.0E\t12500\tH\nHotbird 13.0E\t11013\tV\n"));
        QCOMPARE(run({"transponder", "add", "Hotbird 13.0E", "12501", "L"}), 2);
        QVERIFY2(errors.contains("Hotbird 13.0E already has a transponder at 12500 MHz H."),
                 qPrintable(errors));
        QCOMPARE(run({"transponder", "add", "Hotbird 13.0E", "11014", "H"}), 2);
        QVERIFY2(errors.contains("already has a transponder at 11013 MHz H."), qPrintable(errors));

        // The data hold 94 transponders: the own ones follow as 95 and 96,
        // and the satellite's list marks them.
        QCOMPARE(run({"satellites", "Hotbird 13.0E"}), 0);
        const QStringList rows = output.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 96);
        QVERIFY(rows.contains("95\t12500\tH\t(own)"));
        QVERIFY(rows.contains("96\t11013\tV\t(own)"));
        QCOMPARE(rows.filter("(own)").size(), 2);
        QCOMPARE(run({"satellites", "Hotbird 99.9E"}), 2);
        QVERIFY2(errors.contains("no satellite named Hotbird 99.9E"), qPrintable(errors));
        QCOMPARE(output, QString());
        const QString stored = dir.filePath("own.dat");
        storeAndReadBack(environment(), dir.filePath("held.dat"), "Hotbird 13.0E",
                         {withPolarisation(staticUB(3, 0, 71, 11836), Polarisation::H),
                          withPolarisation(staticUB(4, 1, 95, 12500), Polarisation::H),
                          withPolarisation(staticUB(5, 1, 96, 11013), Polarisation::V)},
                         stored);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"diff", stored}), 0);

        QCOMPARE(run({"transponder", "remove", "Hotbird 13.0E", "12500", "H"}), 0);
        QCOMPARE(run({"transponder", "remove", "Hotbird 13.0E", "12500", "H"}), 2);
        QVERIFY2(errors.contains("There is no own transponder 12500 MHz H on Hotbird 13.0E."),
                 qPrintable(errors));
        QCOMPARE(run({"transponder", "list"}), 0);
        QCOMPARE(output, QString("Hotbird 13.0E\t11013\tV\n"));
    }

    // Express 11.0W's data list only the low band. An own transponder in the
    // high band, entered from the shell, goes to the switch with the band
    // bit of the high band (a universal LNB's oscillator) and comes back
    // from "read" as itself.
    void ownTransponderInTheOtherBandIsStoredAndReadBack()
    {
        const BuiltInSatellites::Data builtIn = BuiltInSatellites::load();
        if (!builtIn.reason.isEmpty())
            QSKIP("built without satellite data");
        const QString express = QStringLiteral("Express 11.0W");
        QVERIFY(builtIn.items.count(express) == 1);
        quint32 next = 0;
        for (const TransponderItem &row : builtIn.items.at(express)) {
            QCOMPARE(row.oscillatorFrequency, 9750u);
            next = qMax(next, row.transponder + 1);
        }
        CommandLineTool::Environment offline = environment();
        offline.connection = TestDatabase::unreachableConnection();
        offline.cacheDirectory = dir.filePath(QStringLiteral("express-cache"));
        QCOMPARE(runWith(offline, {"transponder", "add", express, "12100", "V"}), 0);
        QVERIFY(startSwitches(1));
        QCOMPARE(runWith(offline, {"read", "--port", link(1), dir.filePath("express-held.dat")}), 0);
        storeAndReadBack(offline, dir.filePath("express-held.dat"), express,
                         {withPolarisation(staticUB(3, 1, qint32(next), 12100), Polarisation::V)},
                         dir.filePath("express-stored.dat"));
        if (QTest::currentTestFailed())
            return;
        const QVector<CodeWord> words = CodeWord::parseList(lastWords(*simulators.front()));
        QCOMPARE(words.size(), 24);
        QVERIFY(words.at(3).highBand());
        QCOMPARE(words.at(3).f(), 12100u - 10600 - 100);
        QVERIFY(words.at(3).lnb2() && !words.at(3).horizontal());
    }

    // A switch programmed by an earlier version holds Eutelsat 9.0E's high
    // band (its only one) with the band bit 0: "read" and "diff" read it and
    // say so.
    void earlierBandBitIsReadAndNamed()
    {
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, ub % 4, ub).toText();
        // Id 9, UB04, 11785 MHz H through 10600 MHz, LNB1, band bit 0.
        words[3] = QString::number(0x80000000u | 9u << 24 | 3u << 19 | (11785u - 10600 - 100) << 8 | 0x2u);
        QVERIFY(startSwitches(1, {"--reply", ":CONF:ALL?=" + words.join(',') + "\\n"}));
        const QString read = dir.filePath("earlier.dat");
        QCOMPARE(run({"read", read}), 0);
        const QString note = "UB04: read in the high band, although the code words name the low band";
        QVERIFY2(errors.contains(note), qPrintable(errors));
        const BandPlan plan = SettingsFile::read(read);
        QCOMPARE(plan.lnb1, QString("Eutelsat 9.0E"));
        const UBRecord &ub04 = plan.list.at(23 - 3);
        QVERIFY(ub04.isStatic());
        QCOMPARE(ub04.tp, 4);
        QCOMPARE(ub04.freq, 11785u);
        QCOMPARE(ub04.polarisation, Polarisation(Polarisation::H));
        QCOMPARE(run({"diff", read}), 0);
        QCOMPARE(output, QString("The switch holds this plan.\n"));
        QVERIFY2(errors.contains(note), qPrintable(errors));
    }

    // A damaged file of own transponders is never written over.
    void damagedOwnTransponderFileStays()
    {
        const QString ownFile = dir.filePath("cache/own_transponders.txt");
        const auto forget = qScopeGuard([&] { QFile::remove(ownFile); });
        QVERIFY(QDir().mkpath(dir.filePath("cache")));
        QFile file(ownFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a list\n") == 11);
        file.close();
        QCOMPARE(run({"transponder", "add", "Hotbird 13.0E", "12500", "H"}), 2);
        QVERIFY2(errors.contains("are damaged: The file does not begin with"), qPrintable(errors));
        QCOMPARE(run({"transponder", "list"}), 2);
        QCOMPARE(fileBytes(ownFile), QByteArray("not a list\n"));
        QCOMPARE(run({"transponder", "frob"}), 2);
        QVERIFY2(errors.contains("Use transponder add|remove SATELLITE FREQ POL"), qPrintable(errors));
    }

    // "test" then "store", each a run of its own: the plan the switch had
    // stored is in the backup the test took.
    void testThenStoreKeepsTheStoredPlan()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"test", dir.filePath("changed.dat")}), 0);
        QCOMPARE(run({"store", dir.filePath("changed.dat")}), 0);
        const QStringList plans = QDir(backups() + "/01332251").entryList({"*.dat"}, QDir::Files, QDir::Name);
        QCOMPARE(plans.size(), 2);
        QCOMPARE(fileBytes(backups() + "/01332251/" + plans.first()), fileBytes(dir.filePath("held.dat")));
        QCOMPARE(output, "Stored in the switch; its working plan was read back and matches.\n" + backups() +
                             "/01332251/" + plans.last() + "\n");
    }

    // A satellite name in a plan file, or a switch's serial number, may hold
    // control characters that would clear or retitle the terminal or forge a
    // line: the tool writes them escaped, on standard output and standard
    // error alike.
    void controlCharactersAreNeverWritten_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("test") << "test";
        QTest::newRow("diff") << "diff";
        QTest::newRow("list") << "list";
    }

    void controlCharactersAreNeverWritten()
    {
        QFETCH(QString, command);
        const QString hostile =
            QStringLiteral("\t\x1b]0;retitled\x07\x1b[2J\nforged: the switch holds this plan.");
        const QString escaped =
            QStringLiteral("\\t\\u001b]0;retitled\\u0007\\u001b[2J\\nforged: the switch holds this plan.");
        simulators.clear();
        // A reply line ends at its line feed: the serial number holds the rest.
        const QString serial = QStringLiteral("SN:0133\x1b[2J\x1b]0;retitled\x07");
        simulators.push_back(std::make_unique<SimulatorProcess>(link(1), QStringList(), serial));
        QVERIFY(simulators.back()->start());
        BandPlan plan;
        for (quint32 ub = 24; ub-- > 0;)
            plan.list << UBRecord{ub, ub % 4, 0, 0, 0, UBRecord::dynamicType, 0, -1, Polarisation()};
        QVERIFY(plan.numberDynamicUBs(false));
        plan.list[0] = withPolarisation(staticUB(23, 0, 71, 11836), Polarisation::H);
        plan.lnb1 = "Astra 19.2E";
        plan.lnb2 = "Astra 19.2E";
        const QString path = dir.filePath("hostile.dat");
        // The switch holds Astra 19.2E on LNB1, which the plan names otherwise.
        SettingsFile::write(path, plan);
        if (command == "diff")
            QCOMPARE(run({"store", path}), 0);
        plan.lnb1 = "Astra" + hostile;
        SettingsFile::write(path, plan);
        const QStringList arguments = command == "list" ? QStringList{command} : QStringList{command, path};
        QCOMPARE(run(arguments), command == "list" ? 0 : command == "diff" ? 1 : 2);
        const QString written = output + errors;
        const QString shown =
            command == "list" ? QStringLiteral("0133\\u001b[2J\\u001b]0;retitled\\u0007") : escaped;
        QVERIFY2(written.contains(shown), qPrintable(written));
        // Line feeds end the tool's lines, tabs part its columns.
        for (const QChar c : written)
            QVERIFY2(
                c == '\n' || c == '\t' ||
                    (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format),
                qPrintable(QStringLiteral("U+%1 in %2").arg(c.unicode(), 4, 16, QChar('0')).arg(written)));
        QVERIFY2(
            !QRegularExpression("^forged", QRegularExpression::MultilineOption).match(written).hasMatch(),
            qPrintable(written));
    }

    // On a terminal the store shows each step on one line of standard error
    // and clears it at the end; into a pipe nothing but the messages goes.
    void storeShowsItsProgressOnlyOnATerminal()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(run({"store", dir.filePath("changed.dat")}), 0);
        QCOMPARE(errors, QString());
        CommandLineTool::Environment terminal = environment();
        terminal.progressOnStandardError = true;
        QCOMPARE(runWith(terminal, {"store", dir.filePath("changed.dat")}), 0);
        const QString clear = QStringLiteral("\r\x1b[K");
        QVERIFY2(errors.startsWith(clear + "Reading the switch's plan… 1 of 4" + clear), qPrintable(errors));
        QVERIFY2(
            errors.contains(clear + "Sending… 4 of 4" + clear + "Storing…" + clear + "Reading back…" + clear),
            qPrintable(errors));
        QVERIFY2(errors.endsWith("Reading back…" + clear), qPrintable(errors));
        QVERIFY(output.endsWith(".dat\n"));
    }

    // A plan on a satellite the data lack is stored after its replies are
    // kept, and "restore" of those replies puts its words back one by one.
    void undecodablePlanRestoredWordForWord()
    {
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, 3 - ub % 4, ub + 1).toText();
        words[7] = QString::number(0x80000000u | 120u << 24 | 7u << 19 | 1136u << 8 | 0x3u);
        const QString state = dir.filePath("undecodable.state");
        QFile file(state);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("LTEFILT ON\nSTBY OFF\nTERRAMP OFF\nALL " + words.join(',').toLatin1() + '\n') >
                0);
        file.close();
        QVERIFY(startSwitches(1, {"--state", state}));
        BandPlan plan;
        for (quint32 ub = 24; ub-- > 0;) {
            UBRecord record; // dynamic, on line 0
            record.ubNumber = ub;
            plan.list << record;
        }
        QVERIFY(plan.numberDynamicUBs(true));
        plan.lnb1 = "Astra 19.2E";
        plan.lnb2 = "Hotbird 13.0E";
        SettingsFile::write(dir.filePath("plan.dat"), plan);

        QCOMPARE(run({"read", dir.filePath("out.dat")}), 2);
        QVERIFY2(errors.startsWith("UB08 cannot be read: the satellite id 120 is not in the satellite data."),
                 qPrintable(errors));
        QCOMPARE(run({"store", dir.filePath("plan.dat")}), 0);
        const QString kept = lastLine(output);
        QVERIFY2(kept.endsWith(".txt") &&
                     errors.contains("Only the switch's replies were backed up (to " + kept + ")"),
                 qPrintable(output + errors));
        QCOMPARE(simulators.front()->writtenLines().last(), QStringLiteral(":MEM:WRITE:ALL"));
        QVERIFY(lastWords(*simulators.front()) != words.join(','));

        QCOMPARE(run({"restore", kept}), 0);
        QCOMPARE(lastWords(*simulators.front()), words.join(','));
        QCOMPARE(simulators.front()->writtenLines().mid(simulators.front()->writtenLines().size() - 5),
                 QStringList({":CONF:LTEFILT ON", ":CONF:STBY OFF", ":CONF:TERRAMP OFF",
                              ":CONF:ALL " + words.join(','), ":MEM:WRITE:ALL"}));
        // The restore, too, kept what it replaced.
        QCOMPARE(QDir(backups() + "/01332251").entryList({"*.dat"}, QDir::Files).size(), 1);
        QCOMPARE(run({"restore", dir.filePath("plan.dat")}), 0);
        QVERIFY(lastWords(*simulators.front()) != words.join(','));
    }

    // A file of the earlier format (no polarisations after its fields) on
    // Astra 28.2E's 11307 MHz V, beside 11307 MHz H, with the data it was
    // made with: its transponder number decides, and the tool says so.
    void oldFileOnHVNeighboursIsStored()
    {
        databaseName = QStringLiteral("satellites");
        QVERIFY(startSwitches(1));
        QList<UBRecord> list;
        for (quint32 ub = 24; ub-- > 0;)
            list << dynamicUB(ub, ub % 4);
        list[0] = staticUB(23, 0, 79, 11307);
        const QString path = dir.filePath("old.dat");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QDataStream stream(&file);
            stream << QStringLiteral("0.7") << list << false << false << false
                   << QStringLiteral("Astra 28.2E") << QStringLiteral("Astra 19.2E");
            QCOMPARE(stream.status(), QDataStream::Ok);
        }
        QCOMPARE(run({"store", path}), 0);
        QVERIFY2(errors.contains("UB24: polarisation V taken from transponder 79; check it"),
                 qPrintable(errors));
        const QStringList words = lastWords(*simulators.front()).split(',');
        QCOMPARE(words.size(), 24);
        const CodeWord ub24 = CodeWord::fromText(words.last());
        QVERIFY(ub24.isStatic());
        QCOMPARE(ub24.satId(), 4u);
        QVERIFY(!ub24.horizontal());
    }

    // "test", "store" and "store --each" of a plan that cannot be sent
    // whole, and "restore" of replies the program could not read back: the
    // refusal names each UB, and no switch hears a single set command. One
    // case for each command and each way of refusing (the check's, the
    // words'); every reason a UB cannot travel: the plan preparation's tests.
    void refusedPlanReachesNoSwitch_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<qint32>("tp"); // UB24 static on LNB1 with this transponder; -2: dynamic
        QTest::addColumn<quint32>("freq");
        QTest::addColumn<quint32>("line"); // UB21's line
        QTest::addColumn<QString>("said");
        const QString noId =
            "UB24: ABS 6 159.0E has no satellite id the switch can carry; use it for dynamic "
            "UBs only";
        QTest::newRow("test, satellite unknown")
            << "test"
            << "Nowhere 1.0E" << 1 << 11000u << 0u
            << "UB24: the satellite Nowhere 1.0E is not in the satellite data.";
        QTest::newRow("store, transponder unknown")
            << "store"
            << "Astra 19.2E" << 9999 << 11000u << 0u << "UB24: Astra 19.2E has no transponder at 11000 MHz";
        QTest::newRow("store --each, id above 127") << "--each"
                                                    << "ABS 6 159.0E" << 1 << 11000u << 0u << noId;
        QTest::newRow("restore, id above 127") << "restore"
                                               << "ABS 6 159.0E" << 1 << 11000u << 0u << noId;
        QTest::newRow("store, dynamic line 5")
            << "store"
            << "Astra 19.2E" << -2 << 0u << 4u
            << "UB21: a dynamic UB on line 5; the switch has lines 1 to 4.";
        QTest::newRow("restore replies, word on line 5")
            << "replies"
            << "Astra 19.2E" << -2 << 0u << 4u
            << "UB21: a dynamic UB on line 5; the switch has lines 1 to 4.";
    }

    void refusedPlanReachesNoSwitch()
    {
        QFETCH(QString, command);
        QFETCH(QString, lnb1);
        QFETCH(qint32, tp);
        QFETCH(quint32, freq);
        QFETCH(quint32, line);
        QFETCH(QString, said);
        TestDatabase::Admin admin;
        QVERIFY2(admin.isOpen(), qPrintable(admin.lastError()));
        using TestDatabase::createTable;
        using TestDatabase::insertRow;
        const QString astra = QStringLiteral("Astra 19.2E");
        databaseName = admin.createDatabase(QStringLiteral("ids"),
                                            {createTable(astra), insertRow(astra, 71, 11836, "H", 10600, 1),
                                             createTable("ABS 6 159.0E"),
                                             insertRow("ABS 6 159.0E", 1, 11000, "H", 9750, 130)});
        QVERIFY2(!databaseName.isEmpty(), qPrintable(admin.lastError()));
        QVERIFY(startSwitches(1));
        BandPlan plan;
        for (quint32 ub = 24; ub-- > 0;)
            plan.list << UBRecord{ub, ub % 4, 0, 0, 0, UBRecord::dynamicType, 0, -1, Polarisation()};
        QVERIFY(plan.numberDynamicUBs(false));
        plan.list[3].line = line;
        if (tp != -2)
            plan.list[0] = staticUB(23, 0, tp, freq);
        plan.lnb1 = lnb1;
        plan.lnb2 = astra;
        plan.lteFilter = true;
        const QString path = dir.filePath("refused.dat");
        SettingsFile::write(path, plan);
        // The replies of a switch that holds UB21 on line 5.
        QStringList words;
        for (quint32 ub = 0; ub < 24; ++ub)
            words << CodeWord::makeDynamic(ub, ub == 20 ? line : ub % 4, ub + 1).toText();
        const QString replies = dir.filePath("refused.txt");
        QFile file(replies);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(":CONF:LTEFILT? ON\n:CONF:STBY? OFF\n:CONF:TERRAMP? OFF\n:CONF:ALL? " +
                           words.join(',').toLatin1() + '\n') > 0);
        file.close();

        // The simulator's log goes on from earlier tests on the same link.
        const int before = simulators.front()->writtenLines().size();
        CommandLineTool *tool = nullptr;
        // Workshop mode would wait for switches: it must refuse before.
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(10000);
        QStringList arguments{command, path};
        if (command == "--each")
            arguments = QStringList{"store", "--each", path};
        else if (command == "replies")
            arguments = QStringList{"restore", replies};
        QCOMPARE(run(arguments, &tool), 2);
        tool = nullptr;
        QVERIFY2(errors.contains(said), qPrintable(errors));
        QVERIFY2(!errors.contains("Waiting for switches"), qPrintable(errors));
        QCOMPARE(simulators.front()->writtenLines().mid(before), QStringList());
        QCOMPARE(QDir(backups()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // A replies file is read up to its bound and no further: one byte more
    // is refused by name and limit before the data or a switch are asked.
    void restoreBoundsTheRepliesFile_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("at the bound: read, and not replies") << DeviceReplies::maxTextBytes << false;
        QTest::newRow("one byte over") << DeviceReplies::maxTextBytes + 1 << true;
        QTest::newRow("far over") << 4 * DeviceReplies::maxTextBytes << true;
    }

    void restoreBoundsTheRepliesFile()
    {
        QFETCH(qint64, bytes);
        QFETCH(bool, tooLarge);
        const QString replies = dir.filePath("large.txt");
        QFile file(replies);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(int(bytes), 'x')), bytes);
        file.close();
        QCOMPARE(run({"restore", replies}), 2);
        const QString refusal = RestoreCommand::tooLargeMessage(replies);
        QVERIFY2(refusal.contains(QString::number(DeviceReplies::maxTextBytes)), qPrintable(refusal));
        QCOMPARE(errors == refusal + QLatin1Char('\n'), tooLarge);
        if (!tooLarge)
            QVERIFY2(errors.contains(QStringLiteral("holds no replies of a switch")), qPrintable(errors));
        QVERIFY(output.isEmpty());
    }

    // Workshop mode: a port that could not be used at first look, and a
    // store there at a later look, ends with 0: the switch was stored.
    void workshopStoredAfterAPortProblem()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        int opens = 0;
        opener = [&opens](QSerialPort &port) {
            if (opens++ == 0)
                return SerialPortHandler::OpenResult{SerialPortHandler::OpenFailure::InUse, "busy"};
            return SerialPortHandler::openSystemPort(port);
        };
        CommandLineTool *tool = nullptr;
        QTimer::singleShot(
            0, this, [&] { connect(tool, &CommandLineTool::switchHandled, tool, &CommandLineTool::stop); });
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(15000);
        QCOMPARE(run({"store", "--each", dir.filePath("changed.dat")}, &tool), 0);
        QVERIFY2(errors.contains("in use by another program"), qPrintable(errors));
        QVERIFY2(output.contains(": stored; backup "), qPrintable(output));
        QCOMPARE(simulators.front()->writtenLines().last(), QStringLiteral(":MEM:WRITE:ALL"));
    }

    // The window's reasons for a port that cannot be used, from every command
    // that looks for the switch.
    void portReasons_data()
    {
        QTest::addColumn<SerialPortHandler::OpenFailure>("failure");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        using F = SerialPortHandler::OpenFailure;
        QTest::newRow("list, no permission") << F::NoPermission << QStringList{"list"} << "dialout";
        QTest::newRow("read, in use")
            << F::InUse << QStringList{"read", "out.dat"} << "in use by another program";
        QTest::newRow("store, no permission")
            << F::NoPermission << QStringList{"store", "held.dat"} << "dialout";
        QTest::newRow("store --each, no permission")
            << F::NoPermission << QStringList{"store", "--each", "held.dat"} << "dialout";
    }

    void portReasons()
    {
        QFETCH(SerialPortHandler::OpenFailure, failure);
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        opener = [failure](QSerialPort &) { return SerialPortHandler::OpenResult{failure, "denied"}; };
        const int before = simulators.front()->writtenLines().size();
        for (QString &argument : arguments)
            argument = argument.endsWith(".dat") ? dir.filePath(argument) : argument;
        CommandLineTool *tool = nullptr;
        // Workshop mode ends once it has said why, or after 10 s.
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (tool && errors.contains(said))
                tool->stop();
        });
        watch.start(50);
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(10000);
        const int status = run(arguments, &tool);
        tool = nullptr;
        QCOMPARE(status, 2);
        QVERIFY2(errors.contains(link(1)) && errors.contains(said), qPrintable(errors));
        QVERIFY2(!errors.contains("No switch found"), qPrintable(errors));
        QCOMPARE(simulators.front()->writtenLines().size(), before);
    }

    // "report" names the data's server, the port, the switch and the
    // exchanges with it; never the server's password.
    void reportOfTheSwitch()
    {
        QVERIFY(startSwitches(1));
        LogRing log;
        ring = &log;
        const int status = run({"report", dir.filePath("report.txt")});
        ring = nullptr;
        QCOMPARE(status, 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        const QString text = QString::fromUtf8(fileBytes(dir.filePath("report.txt")));
        for (const QString &part : {QString("server 127.0.0.1:"), link(1) + " (0483:5740)",
                                    link(1) + "\t01332251", QString("fenzo.transfer: Writing *IDN?")})
            QVERIFY2(text.contains(part), qPrintable(part + " not in:\n" + text));
        const QString password = environment().connection.password;
        QVERIFY(!password.isEmpty());
        QVERIFY2(!QString(text).remove(QRegularExpression("fenzo\\.[a-z]+: ")).contains(password),
                 qPrintable(text));
    }

    // A switch whose store failed makes workshop mode end with 2.
    void workshopExitsTwoAfterAFailedStore()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(startSwitches(1, {"--reply", ":CONF:ALL?="}));
        CommandLineTool *tool = nullptr;
        QTimer::singleShot(
            0, this, [&] { connect(tool, &CommandLineTool::switchHandled, tool, &CommandLineTool::stop); });
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(15000);
        QCOMPARE(run({"store", "--each", dir.filePath("changed.dat")}, &tool), 2);
        QVERIFY2(output.contains(": not stored: "), qPrintable(output));
    }

    // The program itself keeps its satellite data in the window's data
    // directory (it reads the cache there, or, where a server answers, writes
    // the download there) and draws the sheet without a display.
    void programSharesTheWindowsData()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        simulators.clear();
        const QString home = dir.filePath("home");
        const QString data = home + "/.local/share/fenzo_setup";
        QVERIFY(QDir().mkpath(data));
        QVERIFY(QFile::copy(dir.filePath("cache/db.dat"), data + "/db.dat"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_DATA_HOME", home + "/.local/share");
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(FENZO_CLI, {"sheet", dir.filePath("held.dat"), dir.filePath("sheet.png")});
        QVERIFY(program.waitForFinished(30000));
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                 program.readAllStandardError().constData());
        QVERIFY(QFileInfo(dir.filePath("sheet.png")).size() > 1000);
        QCOMPARE(QDir(home + "/.local/share").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"fenzo_setup"});
        QVERIFY(QFileInfo(data + "/db.dat").size() > 0);
    }

    // "server" prints, stores (keeping database, user and password) and
    // forgets the server; a host or port that cannot be one is refused.
    void serverCommand()
    {
        CommandLineTool::Environment environment = this->environment();
        environment.serverSettingsFile = dir.filePath("server.ini");
        const SqlHandler::Connection defaults = SqlHandler::defaultConnection();
        const QString rest = QStringLiteral(" %1 %2\n").arg(defaults.databaseName, defaults.userName);
        const QString required = QStringLiteral("TLS required, certificates from the system's store\n");
        const QString optional = QStringLiteral("TLS when offered, certificates from the system's store\n");
        const QString standard =
            defaults.hostName + ":3306" + rest +
            (ServerSettings::tlsRequiredByDefault(defaults.hostName) ? required : optional);
        QCOMPARE(runWith(environment, {"server"}), 0);
        QCOMPARE(output, standard);
        QCOMPARE(runWith(environment, {"server", "db.example:3307"}), 0);
        QCOMPARE(runWith(environment, {"server"}), 0);
        QCOMPARE(output, "db.example:3307" + rest + required);
        QCOMPARE(ServerSettings(environment.serverSettingsFile).load().password, defaults.password);
        QCOMPARE(runWith(environment, {"server", "bad host"}), 2);
        QVERIFY2(errors.contains("bad host"), qPrintable(errors));
        QCOMPARE(runWith(environment, {"server", "[::1]:70000"}), 2);
        QVERIFY2(errors.contains("65535"), qPrintable(errors));
        QCOMPARE(runWith(environment, {"server", "[::1]"}), 0);
        QCOMPARE(runWith(environment, {"server"}), 0);
        QCOMPARE(output, "[::1]:3306" + rest + optional);
        // A CA file and a plain connection allowed, for a server that is not
        // this machine; the settings file is the user's alone.
        QCOMPARE(runWith(environment, {"server", "db.example", "--ca", "ca.pem", "--allow-plain"}), 0);
        QCOMPARE(runWith(environment, {"server"}), 0);
        QCOMPARE(output, "db.example:3306" + rest + "TLS when offered, certificates from " +
                             QFileInfo("ca.pem").absoluteFilePath() + "\n");
        QCOMPARE(int(QFileInfo(environment.serverSettingsFile).permissions()) & 0x0077, 0);
        QCOMPARE(runWith(environment, {"satellites", "--ca", "x"}), 2);
        QCOMPARE(runWith(environment, {"server", "--reset"}), 0);
        QCOMPARE(runWith(environment, {"server"}), 0);
        QCOMPARE(output, standard);
    }

    // The program keeps the server in the user's settings and downloads from
    // it: with an unreachable stored server the tool names that server's
    // reason and goes on with the built-in data.
    void programReadsTheStoredServer()
    {
        const QString home = dir.filePath("serverhome");
        QVERIFY(QDir().mkpath(home));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        environment.insert("XDG_DATA_HOME", home + "/.local/share");
        environment.insert("LC_ALL", "C.UTF-8");
        const auto cli = [&](const QStringList &arguments, QString *err = nullptr) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(FENZO_CLI, arguments);
            if (!program.waitForFinished(30000))
                return -1;
            if (err)
                *err = QString::fromUtf8(program.readAllStandardError());
            return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        };
        QCOMPARE(cli({"server", "a..b:4000"}), 0);
        QVERIFY(QFileInfo::exists(home + "/.config/fenzo-setup.invalid/fenzo_setup.conf"));
        QString err;
        QCOMPARE(cli({"satellites"}, &err), 0);
        QVERIFY2(err.startsWith("No satellite data from the server a..b:4000: "), qPrintable(err));
        QCOMPARE(cli({"server", "--reset"}), 0);
    }

    // A server that floods the list of tables with column descriptions ends
    // the tool's download process at its memory budget, not the tool: the
    // tool names the reason and goes on with the data it has.
    void columnFloodEndsOnlyTheDownload()
    {
        if (!DownloadChild::memoryBounded())
            QSKIP("this build runs the download's process without a memory limit (AddressSanitizer)");
        StandInServer flood(QStringLiteral("columns"));
        QVERIFY2(flood.port > 0, "tests/common/mysql-standin did not start");
        const QString home = dir.filePath("floodhome");
        QVERIFY(QDir().mkpath(home));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        environment.insert("XDG_DATA_HOME", home + "/.local/share");
        environment.insert("LC_ALL", "C.UTF-8");
        const auto cli = [&](const QStringList &arguments, QString *err) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(FENZO_CLI, arguments);
            if (!program.waitForFinished(60000))
                return -1;
            *err = QString::fromUtf8(program.readAllStandardError());
            return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        };
        QString err;
        QCOMPARE(cli({"server", "127.0.0.1:" + QString::number(flood.port)}, &err), 0);
        QCOMPARE(cli({"satellites"}, &err), 0);
        QVERIFY2(err.contains(
                     SqlHandler::brokenOffWarning(DownloadTables::tooManyBytes(DownloadChild::memoryBudget))),
                 qPrintable(err));
        // The largest process this test waited for, the tool's download
        // process among them: well below its start plus the budget.
        rusage children{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &children), 0);
        QVERIFY2(qint64(children.ru_maxrss) < (256 * 1024 * 1024 + DownloadChild::memoryBudget) / 1024,
                 qPrintable(QString::number(children.ru_maxrss)));
    }

    // The tool gives up on a silent server at its deadline, as the window
    // does; a connection that never opened did not break off.
    void deadlineAgainstASilentServer_data()
    {
        QTest::addColumn<bool>("withCache");
        QTest::newRow("no cache") << false;
        QTest::newRow("cache") << true;
    }
    void deadlineAgainstASilentServer()
    {
        QFETCH(bool, withCache);
        Relay relay({"--fault", "silent"});
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QTemporaryDir cache;
        if (withCache)
            QVERIFY(TestDatabase::writeCacheFile(
                cache.path(), TestDatabase::cacheBytes({{"Old", {{1, 11000, Polarisation::H, 9750, 9}}}},
                                                       {{"Old", 9, 9750, 0}})));
        CommandLineTool::Environment environment = this->environment();
        environment.connection = relay.connection();
        environment.connection.timeoutSeconds = 30; // the deadline comes first
        environment.cacheDirectory = cache.path();
        environment.downloadDeadlineMs = 1000;
        environment.builtIn = [] { return BuiltInSatellites::Data(); };
        SettingsFile::write(dir.filePath("plain.dat"), BandPlan());
        // No switch on the port: the data come first, then the refusal.
        const QString nowhere = dir.filePath("no-switch");
        QCOMPARE(runWith(environment, {"diff", "--port", nowhere, dir.filePath("plain.dat")}), 2);
        QVERIFY2(!errors.contains(SqlHandler::brokenOffWarning(QString()).left(20)), qPrintable(errors));
        if (withCache)
            QVERIFY2(errors.contains(QDir::toNativeSeparators(nowhere)), qPrintable(errors));
        else
            QVERIFY2(errors.contains("within 1 s"), qPrintable(errors));
    }

    // "satellites --import" makes the file's satellites the ones in use when
    // no server answers; a plan on them is stored and read back equal; a
    // broken file is refused and changes nothing.
    void importedSatellitesAreUsed()
    {
        CommandLineTool::Environment offline = environment();
        offline.connection = TestDatabase::unreachableConnection();
        offline.cacheDirectory = dir.filePath(QStringLiteral("import-cache"));
        const QString xml = dir.filePath(QStringLiteral("satellites.xml"));
        QFile file(xml);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = "<satellites>\n"
                                 "<sat name=\"Astra 1KR (19.2E)\" position=\"192\">\n"
                                 "<transponder frequency=\"11362000\" polarization=\"0\"/>\n"
                                 "<transponder frequency=\"12515000\" polarization=\"1\"/></sat>\n"
                                 "<sat name=\"Hot Bird 13B\" position=\"130\">\n"
                                 "<transponder frequency=\"10719000\" polarization=\"1\"/></sat>\n"
                                 "</satellites>\n";
        QVERIFY(file.write(bytes) == bytes.size());
        file.close();

        QVERIFY2(runWith(offline, {"satellites", "--import", xml}) == 0, qPrintable(errors));
        QStringList lines = output.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.value(0).startsWith("imported from " + xml + ", "), qPrintable(output));
        // Each position is sent with the lowest table id of the spacecraft
        // listed (Astra 1KR); one the table names no spacecraft of takes
        // the lowest id at its position.
        QCOMPARE(lines.mid(1).join('|'), QString("Astra 19.2E\t10\t2|Hot Bird 13.0E\t59\t1"));
        QCOMPARE(runWith(offline, {"satellites"}), 0);
        QCOMPARE(output.split('\n', Qt::SkipEmptyParts).mid(1), lines.mid(1));

        const QString data = offline.cacheDirectory + "/imported.dat";
        const QByteArray kept = fileBytes(data);
        const QString bad = dir.filePath(QStringLiteral("bad.xml"));
        QFile broken(bad);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<satellites><sat name=") > 0);
        broken.close();
        QCOMPARE(runWith(offline, {"satellites", "--import", bad}), 2);
        QVERIFY2(errors.contains("cannot be imported"), qPrintable(errors));
        QCOMPARE(fileBytes(data), kept);

        QVERIFY(startSwitches(1));
        QCOMPARE(runWith(offline, {"read", "--port", link(1), dir.filePath("imported-held.dat")}), 0);
        storeAndReadBack(offline, dir.filePath("imported-held.dat"), "Hot Bird 13.0E",
                         {withPolarisation(staticUB(3, 0, 1, 11362), Polarisation::H),
                          withPolarisation(staticUB(4, 1, 1, 10719), Polarisation::V)},
                         dir.filePath("imported-stored.dat"));
    }

    // A receiver lists Eutelsat 36B at 36.0E, the built-in data at 35.9E: a
    // switch stored with the built-in data reads back after such an import,
    // and the plan made with them finds the position, saying so.
    void switchOfTheBuiltInDataReadsAfterAnImportATenthEast()
    {
        const BuiltInSatellites::Data builtIn = BuiltInSatellites::load();
        const auto eutelsat = builtIn.items.find("Eutelsat 35.9E");
        if (eutelsat == builtIn.items.end())
            QSKIP("built without satellite data");
        const TransponderItem row = eutelsat->second.first();
        CommandLineTool::Environment offline = environment();
        offline.connection = TestDatabase::unreachableConnection();
        offline.cacheDirectory = dir.filePath(QStringLiteral("position-cache"));
        QVERIFY(startSwitches(1));
        QCOMPARE(runWith(offline, {"read", "--port", link(1), dir.filePath("position-held.dat")}), 0);
        BandPlan plan = SettingsFile::read(dir.filePath("position-held.dat"));
        plan.lnb1 = "Eutelsat 35.9E";
        plan.list[20] = withPolarisation(
            staticUB(plan.list[20].ubNumber, 0, qint32(row.transponder), row.frequency), row.polarisation);
        QVERIFY(plan.numberDynamicUBs(false));
        const QString stored = dir.filePath("position-stored.dat");
        SettingsFile::write(stored, plan);
        QVERIFY2(runWith(offline, {"store", stored}) == 0, qPrintable(errors));

        const QString xml = dir.filePath(QStringLiteral("eutelsat.xml"));
        QFile file(xml);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = QStringLiteral("<satellites><sat name=\"Eutelsat 36B\" position=\"360\">"
                                                "<transponder frequency=\"%1\" polarization=\"%2\"/>"
                                                "</sat></satellites>")
                                     .arg(row.frequency * 1000)
                                     .arg(QStringLiteral("HVLR").indexOf(row.polarisation.letter()))
                                     .toUtf8();
        QVERIFY(file.write(bytes) == bytes.size());
        file.close();
        QVERIFY2(runWith(offline, {"satellites", "--import", xml}) == 0, qPrintable(errors));
        QCOMPARE(output.split('\n', Qt::SkipEmptyParts).mid(1), QStringList{"Eutelsat 36.0E\t35\t1"});

        QVERIFY2(runWith(offline, {"read", dir.filePath("position-back.dat")}) == 0, qPrintable(errors));
        const BandPlan back = SettingsFile::read(dir.filePath("position-back.dat"));
        QCOMPARE(back.lnb1, QStringLiteral("Eutelsat 36.0E"));
        QCOMPARE(back.list[20].freq, row.frequency);
        QVERIFY2(runWith(offline, {"diff", stored}) == 0, qPrintable(errors + output));
        QVERIFY2(errors.contains("Eutelsat 35.9E is now Eutelsat 36.0E"), qPrintable(errors));
    }

    // Workshop mode: two switches plugged into the same port one after the
    // other each get the plan and a backup; an interrupt ends it with 0.
    void workshopStoresEachSwitch()
    {
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QStringList handled;
        CommandLineTool *tool = nullptr;
        std::unique_ptr<SimulatorProcess> first;
        QTimer::singleShot(0, this, [&] {
            connect(tool, &CommandLineTool::switchHandled, this, [&](const QString &line) {
                handled << line;
                if (handled.size() == 1) {
                    // Unplugged; the next switch comes on the same port.
                    first = std::move(simulators.front());
                    first->stop();
                    simulators.front() =
                        std::make_unique<SimulatorProcess>(link(1), QStringList(), "SN:" + serials.at(1));
                    QVERIFY(simulators.front()->start());
                } else {
                    tool->stop();
                }
            });
        });
        // The bound of the whole test: no third switch ever comes. It goes
        // with the test, and never stops a later test's tool.
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(30000);
        QCOMPARE(run({"store", "--each", dir.filePath("changed.dat")}, &tool), 0);

        QCOMPARE(handled.size(), 2);
        const QStringList lines = output.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, handled);
        for (int n = 0; n < 2; ++n) {
            QVERIFY2(
                lines.at(n).startsWith(link(1) + " " + serials.at(n) + ": stored; backup " + backups()) &&
                    lines.at(n).endsWith("; read back"),
                qPrintable(lines.at(n)));
        }
        QCOMPARE(first->writtenLines().last(), QStringLiteral(":MEM:WRITE:ALL"));
        QCOMPARE(simulators.front()->writtenLines().last(), QStringLiteral(":MEM:WRITE:ALL"));
        QCOMPARE(errors, waitingLine);
    }

    // ---- The read-back against switches that do not hold what they got ----

    // "test", "store" and "restore" (a plan, and replies word for word) on a
    // switch that keeps a word, ignores an option, answers with a changed
    // word or goes during the read-back: each difference on a line of its
    // own, a UB's followed by its raw words, the backup's line last, exit 2.
    // A sound switch is said to hold the plan, before the backup's path.
    void readBackFindsTheSwitchsFault_data()
    {
        QTest::addColumn<QStringList>("arguments"); // files in the folder
        QTest::addColumn<QStringList>("fault");     // the simulator's options
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("said"); // patterns, one per line of standard error
        QTest::addColumn<QString>("output");   // a pattern

        const QString heading =
            "^The plan was sent, but the switch's working plan, read back, differs from it:$";
        const QString ub = "^UB04: sent (?!the word ).+, the switch holds (?!the word ).+$";
        const QString raw = "^UB04: sent the word {word}, the switch holds the word (?!{word}$)\\d+$";
        const QString terrestrial = "^Terrestrial path: sent off, the switch holds on$";
        const QString lost = "^The plan was sent, but the switch's working plan could not be read back: .+$";
        const QString backup =
            "^The plan the switch %1 is kept in the backup {backups}/01332251/\\d{8}-\\d{6}\\.dat\\.$";
        const QString stored = "^Stored in the switch; its working plan was read back and matches\\.\\n"
                               "{backups}/01332251/\\d{8}-\\d{6}\\.dat\\n$";
        const struct
        {
            const char *name;
            QStringList arguments;
            QString before; // what the backup keeps
            QString matches;
            int commands; // the switch's lines up to the last set command, *IDN? first
        } commands[] = {
            {"test",
             {"test", "statics.dat"},
             "held before the send",
             "^Sent; the switch's working plan was read back and matches\\.\\n$",
             9},
            {"store", {"store", "statics.dat"}, "had stored before", stored, 10},
            {"restore .dat", {"restore", "statics.dat"}, "had stored before", stored, 10},
            {"restore .txt", {"restore", "replies.txt"}, "had stored before", stored, 10},
        };
        for (const auto &command : commands) {
            const QString kept = backup.arg(command.before);
            QTest::addRow("%s, a word kept", command.name)
                << command.arguments << QStringList{"--keep-word", "3"} << 2
                << QStringList{heading, ub, raw, kept} << "^$";
            QTest::addRow("%s, an option ignored", command.name)
                << command.arguments << QStringList{"--ignore-option", "TERRAMP"} << 2
                << QStringList{heading, terrestrial, kept} << "^$";
            QTest::addRow("%s, a reply changed", command.name)
                << command.arguments << QStringList{"--change-reply", "3"} << 2
                << QStringList{heading, ub, raw, kept} << "^$";
            QTest::addRow("%s, sound", command.name)
                << command.arguments << QStringList() << 0 << QStringList() << command.matches;
            QTest::addRow("%s, line gone during the read-back", command.name)
                << command.arguments << QStringList{"--unplug-after", QString::number(command.commands)} << 2
                << QStringList{lost, kept} << "^$";
        }
    }

    void readBackFindsTheSwitchsFault()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, fault);
        QFETCH(int, status);
        QFETCH(QStringList, said);
        QFETCH(QString, output);
        QVERIFY(startSwitches(1));
        writePlans();
        writeReplies(dir.filePath("replies.txt"));
        if (QTest::currentTestFailed())
            return;
        // Afresh, with the fault: the switch has heard nothing yet.
        QVERIFY(startSwitches(1, fault));
        for (QString &argument : arguments) {
            if (argument.contains('.'))
                argument = dir.filePath(argument);
        }

        QCOMPARE(run(arguments), status);
        QVERIFY2(QRegularExpression(filled(output)).match(this->output).hasMatch(), qPrintable(this->output));
        const QStringList lines = errors.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() == said.size(), qPrintable(errors));
        const QString word = lastWords(*simulators.front()).section(',', 3, 3);
        for (int n = 0; n < lines.size(); ++n) {
            QVERIFY2(QRegularExpression(filled(said.at(n), word)).match(lines.at(n)).hasMatch(),
                     qPrintable(lines.at(n)));
        }
    }

    // Workshop mode reads each switch back: a switch that keeps a word is
    // not stored; one that comes back (its port gone and back) is compared
    // with what was stored, not stored again. A switch that held the plan
    // only as its working plan differs then, and the run ends with 2.
    void workshopReadsBack_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QStringList>("controls"); // sent to the simulator after the first line
        QTest::addColumn<QStringList>("lines");    // patterns, one per line of standard output
        QTest::addColumn<int>("status");

        const QString stored =
            "^{port} 01332251: stored; backup {backups}/01332251/\\d{8}-\\d{6}\\.dat; read back$";
        const QStringList notStored{
            "^{port} 01332251: not stored: The plan was sent, but the switch's working plan, read back, "
            "differs from it:",
            "UB04: sent (?!the word ).+, the switch holds (?!the word ).+",
            "UB04: sent the word {word}, the switch holds the word \\d+",
            "The plan the switch had stored before is kept in the backup "
            "{backups}/01332251/\\d{8}-\\d{6}\\.dat\\.$"};
        QTest::newRow("a word kept") << QStringList{"--keep-word", "3"} << QStringList()
                                     << QStringList{notStored.join("; ")} << 2;
        QTest::newRow("nothing stored, reconnected")
            << QStringList{"--ignore-store"} << QStringList{"reconnect 300"}
            << QStringList{stored, "^{port} 01332251: after reconnection the switch differs from the plan "
                                   "stored: (.+; )?UB04: sent (?!the word ).+, the switch holds .+$"}
            << 2;
        QTest::newRow("sound, reconnected")
            << QStringList() << QStringList{"reconnect 300"}
            << QStringList{stored, "^{port} 01332251: after reconnection the switch holds the plan stored$"}
            << 0;
        QTest::newRow("reconnected, gone during the comparison")
            << QStringList() << QStringList{"reconnect 300", "unplug :CONF:ALL?"}
            << QStringList{stored, "^{port} 01332251: not compared after reconnection: .+$"} << 2;
    }

    void workshopReadsBack()
    {
        QFETCH(QStringList, fault);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QVERIFY(startSwitches(1));
        writePlans();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(startSwitches(1, fault));
        const int before = simulators.front()->writtenLines().size();
        CommandLineTool *tool = nullptr;
        QStringList handled;
        QStringList taken;
        // What is still pending when the test ends goes with it.
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            connect(tool, &CommandLineTool::switchHandled, &scope, [&](const QString &line) {
                handled << line;
                if (controls.isEmpty() || handled.size() == 2) {
                    tool->stop();
                    return;
                }
                // Out of the tool's look: the port goes and comes back.
                QTimer::singleShot(0, &scope, [&] {
                    for (const QString &control : qAsConst(controls)) {
                        if (simulators.front()->control(control))
                            taken << control;
                    }
                });
            });
        });
        // The bound of the whole test: a switch that is never seen again.
        QTimer bound;
        bound.setSingleShot(true);
        connect(&bound, &QTimer::timeout, this, [&] { tool->stop(); });
        bound.start(30000);
        QCOMPARE(run({"store", "--each", dir.filePath("statics.dat")}, &tool), status);
        tool = nullptr;

        QCOMPARE(taken, controls);
        const QStringList written = output.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(written, handled);
        QVERIFY2(written.size() == lines.size(), qPrintable(output));
        const QString word = lastWords(*simulators.front()).section(',', 3, 3);
        for (int n = 0; n < lines.size(); ++n) {
            QVERIFY2(QRegularExpression(filled(lines.at(n), word)).match(written.at(n)).hasMatch(),
                     qPrintable(written.at(n)));
        }
        // Nothing claimed the stored plan was checked before the reconnection.
        QVERIFY2(!written.first().contains("after reconnection") && !errors.contains("after reconnection") &&
                     !(output + errors).contains("stored copy"),
                 qPrintable(output + errors));
        QCOMPARE(errors, waitingLine);
        // A switch that came back was compared, not stored again.
        QCOMPARE(
            simulators.front()->writtenLines().mid(before).filter(QRegularExpression("^:CONF:ALL ")).size(),
            1);
    }
};

QTEST_GUILESS_MAIN(CommandLineToolTest)
#include "tst_commandlinetool.moc"
