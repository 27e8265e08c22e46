// The switch's answer to "*IDN?": which answers identify a switch, and the
// serial number each gives the window.

#include "device/DeviceIdentity.h"

#include <QtTest>

class TestDeviceIdentity : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("identified");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the switch's answer") << "KAVEN GmbH,UCS 24,SN:01332251,1.04" << true << "SN:01332251"
                                             << "01332251";
        QTest::newRow("maker inside a longer first field")
            << "Elektro KAVEN GmbH & Co. KG,X,SN:7,1" << true << "SN:7"
            << "7";
        QTest::newRow("no firmware field") << "KAVEN GmbH,X,SN:42" << true << "SN:42"
                                           << "42";
        QTest::newRow("empty model field") << "KAVEN GmbH,,SN:9,2" << true << "SN:9"
                                           << "9";
        QTest::newRow("empty serial field") << "KAVEN GmbH,X,,1.0" << true << ""
                                            << "";
        QTest::newRow("tag alone") << "KAVEN GmbH,X,SN:,1.0" << true << "SN:"
                                   << "";
        QTest::newRow("more fields than four") << "KAVEN GmbH,X,SN:5,1,extra" << true << "SN:5"
                                               << "5";
        QTest::newRow("markup kept as its characters")
            << "KAVEN GmbH,X,SN:<img src=x>,1" << true << "SN:<img src=x>"
            << "<img src=x>";
        QTest::newRow("two fields") << "KAVEN GmbH,SN:01332251" << false << ""
                                    << "";
        QTest::newRow("maker in lower case") << "kaven gmbh,X,SN:1,1" << false << ""
                                             << "";
        QTest::newRow("maker in the second field") << "Other,KAVEN GmbH,SN:1,1" << false << ""
                                                   << "";
        QTest::newRow("an option's answer") << "ON" << false << ""
                                            << "";
        QTest::newRow("empty") << "" << false << ""
                               << "";
    }

    void answers()
    {
        QFETCH(QString, reply);
        QFETCH(bool, identified);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        const std::optional<DeviceIdentity> identity = DeviceIdentity::fromReply(reply);
        QCOMPARE(identity.has_value(), identified);
        if (!identity)
            return;
        QCOMPARE(identity->serialField(), field);
        QCOMPARE(identity->serialNumber(), shown);
    }
};

QTEST_GUILESS_MAIN(TestDeviceIdentity)
#include "tst_deviceidentity.moc"
