#include "model/UBRecord.h"
#include "report/SupportReport.h"

#include <QtTest>

namespace {
const QString password = QStringLiteral("s3cret-pw");

SupportReport::Facts facts()
{
    SupportReport::Facts facts = SupportReport::running();
    facts.satelliteData = QStringList{QStringLiteral("server 127.0.0.1:3306"), QStringLiteral("2026-11-30")};
    facts.ports = QStringList{QStringLiteral("/dev/ttyACM0 (0483:5740)")};
    facts.portProblems = QStringList{QStringLiteral("/dev/ttyACM1: no permission")};
    facts.switchId = QStringLiteral("SN:01332251");
    facts.siteFile = QStringLiteral("/home/installer/Parkstrasse 4.fsite");
    facts.siteEntry = QStringLiteral("Stairwell A, cellar");
    facts.hasPlan = true;
    facts.plan.lnb1 = QStringLiteral("Astra 19.2E");
    UBRecord fixed;
    fixed.ubNumber = 0;
    fixed.type = UBRecord::staticType;
    fixed.lnb = 1;
    fixed.tp = 7;
    fixed.freq = 10722;
    UBRecord dynamic;
    dynamic.ubNumber = 23;
    dynamic.line = 2;
    facts.plan.list = {fixed, dynamic};
    // A driver's message or a connection text may quote the password.
    facts.log = QStringList{QStringLiteral("fenzo.transfer: Writing *IDN?"),
                            QStringLiteral("fenzo.db: Not connected: password=") + password};
    facts.satelliteData << QStringLiteral("fenzo@127.0.0.1 ") + password;
    facts.secrets = QStringList{password};
    return facts;
}
} // namespace

class SupportReportTest : public QObject
{
    Q_OBJECT

private slots:
    void sectionsInOrder()
    {
        const QString text = SupportReport::text(facts());
        int at = 0;
        for (const char *piece :
             {"Program", "Version: ", "Qt: ", "System: ", "Satellite data", "server 127.0.0.1:3306",
              "Serial ports", "/dev/ttyACM0 (0483:5740)", "/dev/ttyACM1: no permission", "Switch",
              "SN:01332251", "Site", "Site file: /home/installer/Parkstrasse 4.fsite",
              "Entry: Stairwell A, cellar", "Plan", "LNB1: Astra 19.2E", "UB01: static, LNB2, transponder 7 (10722 MHz)",
              "UB24: dynamic, line 3, local UB 1", "Recent log", "Writing *IDN?"}) {
            const int found = text.indexOf(QLatin1String(piece), at);
            QVERIFY2(found >= 0, piece);
            at = found;
        }
    }

    // A static UB on a transponder the user entered by hand says so.
    void ownTransponderMarked()
    {
        SupportReport::Facts marked = facts();
        marked.plan.lnb2 = QStringLiteral("Hotbird 13.0E");
        marked.plan.list[0].polarisation = Polarisation::V;
        QVERIFY(marked.own.add({QStringLiteral("Hotbird 13.0E"), 10722, Polarisation::V}));
        QVERIFY(SupportReport::text(marked).contains("UB01: static, LNB2, transponder 7 (10722 MHz) (own)\n"));
        marked.plan.list[0].polarisation = Polarisation::H;
        QVERIFY(SupportReport::text(marked).contains("UB01: static, LNB2, transponder 7 (10722 MHz)\n"));
    }

    void neverThePassword()
    {
        const QString text = SupportReport::text(facts());
        QVERIFY(!text.contains(password));
        QVERIFY(text.contains(QLatin1String("password=********")));
        QVERIFY(text.contains(QLatin1String("fenzo@127.0.0.1 ********")));
    }

    // A password that is also a word of the program (the build's default
    // one may be) is masked in the messages; the categories stay readable.
    void passwordLikeTheCategories()
    {
        SupportReport::Facts facts = ::facts();
        facts.secrets = QStringList{QStringLiteral("fenzo")};
        const QString text = SupportReport::text(facts);
        QVERIFY(text.contains(QLatin1String("fenzo.db: Not connected: password=s3cret-pw")));
        QVERIFY(text.contains(QLatin1String("********@127.0.0.1")));
    }
};

QTEST_GUILESS_MAIN(SupportReportTest)
#include "tst_supportreport.moc"
