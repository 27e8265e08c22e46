// The tool's shared pieces without a server or a switch: the one output
// function, the messages of finding no switch, and the plan checks against
// the built-in satellite data.
#include "OfflineEnvironment.h"
#include "UBRecordBuilders.h"
#include "cli/ToolOutput.h"
#include "cli/ToolSatelliteData.h"
#include "service/SwitchAccess.h"

#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

class ToolPiecesTest : public QObject
{
    Q_OBJECT

    QString output;
    QString errors;
    QTemporaryDir dir;

    Environment offline() const { return OfflineEnvironment::in(dir.path()); }

private slots:
    void init()
    {
        output.clear();
        errors.clear();
    }

    // Outside text never breaks a line; the tool's own tabs and lines stay.
    void outsideTextStaysOnItsLine()
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        ToolOutput tool(out, err);
        tool.fields({QStringLiteral("Astra\t19.2E"), QStringLiteral("1")});
        tool.line(QStringLiteral("a\nb"));
        tool.text(QStringLiteral("own\ttext\n"));
        tool.note(QStringLiteral("port \x1b[2J"));
        tool.progress(QStringLiteral("step\r"));
        QCOMPARE(output, QStringLiteral("Astra\\t19.2E\t1\na\\nb\nown\ttext\n"));
        QCOMPARE(errors, QStringLiteral("port \\u001b[2J\n\r\x1b[Kstep\\r"));
    }

    void exceptionBecomesOneNote()
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        ToolOutput tool(out, err);
        QVERIFY(tool.attempt([] {}));
        QVERIFY(!tool.attempt([] { throw std::runtime_error("broken\nline"); }));
        QVERIFY(output.isEmpty());
        QCOMPARE(errors, QStringLiteral("broken\\nline\n"));
    }

    void noSwitch_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("listerFails");
        QTest::addColumn<QStringList>("messages");
        const QString none =
            QStringLiteral("No switch found. Connect the switch, or name its port with --port.");
        QTest::newRow("none listed") << QString() << false << QStringList{none};
        QTest::newRow("listing fails") << QString() << true << QStringList{"no ports", none};
        QTest::newRow("named port missing")
            << dir.filePath("missing") << false
            << QStringList{QStringLiteral("The switch at %1 could not be opened (No such file or directory).")
                               .arg(dir.filePath("missing"))};
    }

    // Nothing is written: the reasons come back for the caller to show.
    void noSwitch()
    {
        QFETCH(QString, port);
        QFETCH(bool, listerFails);
        QFETCH(QStringList, messages);
        Environment environment = offline();
        // A port that is not the switch's is not tried.
        environment.portLister = [listerFails]() -> QList<SerialPortCandidate> {
            if (listerFails)
                throw std::runtime_error("no ports");
            return {SerialPortCandidate{QStringLiteral("/dev/ttyS0"), 0, 0}};
        };
        QStringList said;
        QVERIFY(!SwitchAccess(environment).theOne(port, &said));
        QCOMPARE(said, messages);
    }

    void builtInDataCheckAPlan()
    {
        const Environment environment = offline();
        ToolSatelliteData data(environment);
        QVERIFY(!data.catalogue());
        QStringList messages;
        QVERIFY(data.load(&messages));
        QVERIFY(data.catalogue());
        QCOMPARE(data.startPair().size(), 2);
        QVERIFY(!data.describe().isEmpty());

        BandPlan plan;
        QString why;
        QVERIFY(!ToolSatelliteData::loadPlan(dir.filePath("missing.dat"), plan, &why));
        QVERIFY2(why.contains("cannot be read"), qPrintable(why));
        plan.lnb1 = data.startPair().value(0);
        plan.lnb2 = data.startPair().value(1);
        plan.list << staticUB(0, 0, -1, slotFrequency(0));
        for (quint32 ub = 1; ub < 24; ++ub)
            plan.list << dynamicUB(ub, 0);
        messages.clear();
        QVERIFY(!ToolSatelliteData::checkPlan(plan, &messages));
        QCOMPARE(messages, QStringList{"All static UBs must be assigned.\nNot assigned: UB01."});
    }
};

QTEST_GUILESS_MAIN(ToolPiecesTest)
#include "tst_toolpieces.moc"
