// The check a plan passes before it goes to a switch, without server or
// line: which failure wins, every UB it concerns named, and the warning about
// crowded lines only for a plan that passed.
#include "UBRecordBuilders.h"
#include "model/PlanCheck.h"

#include <QtTest>

namespace {
const QString lnb1Missing = QStringLiteral("Lnb1 must be set.");
const QString lnb2Missing = QStringLiteral("Lnb2 must be set.");
const QString warning = QStringLiteral("Local UB number bigger than 8, protocol XY required");

// 24 dynamic UBs, UB23 first, dealt out over the four lines and numbered on
// each; `changes` replace the UBs of their numbers.
QList<UBRecord> planWith(const QList<UBRecord> &changes = {})
{
    QList<UBRecord> list;
    for (quint32 ub = 24; ub-- > 0;) {
        UBRecord record = dynamicUB(ub, ub % 4);
        record.localUB = ub / 4;
        for (const UBRecord &change : changes) {
            if (change.ubNumber == ub)
                record = change;
        }
        list << record;
    }
    return list;
}

UBRecord onLine(quint32 ubNumber, quint32 line, quint32 localUB)
{
    UBRecord record = dynamicUB(ubNumber, line);
    record.localUB = localUB;
    return record;
}

UBRecord withLocalUB(UBRecord record, quint32 localUB)
{
    record.localUB = localUB;
    return record;
}
} // namespace
Q_DECLARE_METATYPE(UBRecord)

class PlanCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void failures_data()
    {
        QTest::addColumn<QString>("lnb1");
        QTest::addColumn<QString>("lnb2");
        QTest::addColumn<QList<UBRecord>>("changes");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("tooHigh");
        const QString a = QStringLiteral("A");
        const QString b = QStringLiteral("B");
        using F = PlanCheck::Failure;
        const UBRecord unassigned = staticUB(23, 0, -1, 0);
        const UBRecord offLine = onLine(20, 4, 0);
        const UBRecord crowded = onLine(10, 2, 8);
        const QList<UBRecord> everyFault{unassigned, offLine, crowded};

        QTest::newRow("sendable") << a << b << QList<UBRecord>() << int(F::None) << QStringList() << false;
        // The first input is asked for first, whatever else is wrong.
        QTest::newRow("both inputs without satellite")
            << QString() << QString() << everyFault << int(F::Lnb1Missing) << QStringList{lnb1Missing}
            << false;
        QTest::newRow("second input without satellite")
            << a << QString() << everyFault << int(F::Lnb2Missing) << QStringList{lnb2Missing} << false;
        // Every static UB without a transponder, UB01 first, on a second
        // line; no warning beside a failure.
        QTest::newRow("static UBs without transponder")
            << a << b << (everyFault + QList<UBRecord>{staticUB(3, 1, -1, 11000)}) << int(F::StaticUnassigned)
            << QStringList{"All static UBs must be assigned.\nNot assigned: UB04, UB24."} << false;
        QTest::newRow("transponder 0 is a transponder")
            << a << b << QList<UBRecord>{staticUB(23, 0, 0, 10700)} << int(F::None) << QStringList() << false;
        // Each UB on a line the switch lacks, UB01 first.
        QTest::newRow("dynamic UBs on no line")
            << a << b << QList<UBRecord>{crowded, offLine, onLine(2, 6, 0)} << int(F::DynamicLineInvalid)
            << QStringList{"UB03: a dynamic UB on line 7; the switch has lines 1 to 4.",
                           "UB21: a dynamic UB on line 5; the switch has lines 1 to 4."}
            << false;
        // A record that is not static is sent as a dynamic word.
        UBRecord noKind = offLine;
        noKind.type.clear();
        QTest::newRow("a UB of no kind on no line")
            << a << b << QList<UBRecord>{noKind} << int(F::DynamicLineInvalid)
            << QStringList{"UB21: a dynamic UB on line 5; the switch has lines 1 to 4."} << false;
        QTest::newRow("local UB 8 warns")
            << a << b << QList<UBRecord>{crowded} << int(F::None) << QStringList{warning} << true;
        QTest::newRow("local UB 7 is fine")
            << a << b << QList<UBRecord>{onLine(10, 2, 7)} << int(F::None) << QStringList() << false;
        // Nine UBs on one line, numbered 0 to 8 there.
        QList<UBRecord> nine;
        for (quint32 ub = 0; ub < 9; ++ub)
            nine << onLine(ub, 0, ub);
        QTest::newRow("nine UBs on one line")
            << a << b << nine << int(F::None) << QStringList{warning} << true;
        // A static word carries no local number.
        QTest::newRow("a static UB's local number")
            << a << b << QList<UBRecord>{withLocalUB(staticUB(23, 0, 1, 11000), 9)} << int(F::None)
            << QStringList() << false;
    }

    void failures()
    {
        QFETCH(QString, lnb1);
        QFETCH(QString, lnb2);
        QFETCH(QList<UBRecord>, changes);
        QFETCH(int, failure);
        QFETCH(QStringList, messages);
        QFETCH(bool, tooHigh);
        const PlanCheck check = PlanCheck::of(lnb1, lnb2, planWith(changes));
        QCOMPARE(int(check.failure()), failure);
        QCOMPARE(check.passed(), failure == int(PlanCheck::Failure::None));
        QCOMPARE(check.messages(), messages);
        QCOMPARE(check.localUBTooHigh(), tooHigh);
        QCOMPARE(PlanCheck::failureMessage(check.failure()).isEmpty(), check.passed());
    }

    // What the installation sheet marks: the dynamic UBs receivers on their
    // line reach only with the newer protocol.
    void lineLimit()
    {
        QList<UBRecord> list = planWith();
        for (UBRecord &record : list) {
            if (record.ubNumber < 9)
                record = onLine(record.ubNumber, 0, record.ubNumber);
        }
        list[0] = withLocalUB(staticUB(23, 0, 1, 11000), 9);
        list[1] = onLine(22, 5, 0);
        const std::array<int, PlanCheck::lineCount> perLine = PlanCheck::dynamicPerLine(list);
        // Twelve on line 1; UB23 is static, UB22 on no line.
        QCOMPARE(perLine, (std::array<int, PlanCheck::lineCount>{12, 4, 3, 3}));
        for (const UBRecord &record : list) {
            const bool beyond = record.isDynamic() && record.line == 0;
            QVERIFY2(PlanCheck::beyondLineLimit(record, perLine) == beyond,
                     qPrintable(UBRecord::displayName(record.ubNumber)));
        }
        QVERIFY(PlanCheck::beyondLineLimit(onLine(4, 1, 8), perLine));
    }
};

QTEST_GUILESS_MAIN(PlanCheckTest)
#include "tst_plancheck.moc"
