#include "controller/SatelliteFilter.h"

#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>

class SatelliteFilterTest : public QObject
{
    Q_OBJECT

    const QStringList names{QStringLiteral("Astra 19.2E"), QStringLiteral("Hotbird 13.0E"),
                            QStringLiteral("Eutelsat 13B 13.0E"), QStringLiteral("HOTBIRD 13C 13.0E"),
                            QStringLiteral("Thor 0.8W")};

    static QStringList shown(const SatelliteFilter &filter)
    {
        QStringList result;
        for (int row = 0; row < filter.rowCount(); ++row)
            result << filter.name(row);
        return result;
    }

private slots:
    void narrowsToNamesContainingText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing typed") << QString() << names;
        QTest::newRow("any case") << QStringLiteral("hot")
                                  << QStringList{QStringLiteral("Hotbird 13.0E"), QStringLiteral("HOTBIRD 13C 13.0E")};
        QTest::newRow("inside the name") << QStringLiteral("13.0")
                                         << QStringList{QStringLiteral("Hotbird 13.0E"), QStringLiteral("Eutelsat 13B 13.0E"),
                                                        QStringLiteral("HOTBIRD 13C 13.0E")};
        QTest::newRow("position") << QStringLiteral("19.2") << QStringList{QStringLiteral("Astra 19.2E")};
        QTest::newRow("blanks around") << QStringLiteral(" thor ") << QStringList{QStringLiteral("Thor 0.8W")};
        QTest::newRow("none") << QStringLiteral("xyz") << QStringList();
    }

    void narrowsToNamesContainingText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QStringListModel list(names);
        SatelliteFilter filter;
        filter.setSourceModel(&list);
        filter.setText(text);
        QCOMPARE(shown(filter), expected);
        QCOMPARE(filter.count(), expected.size());
    }

    void announcesChangesOnly()
    {
        QStringListModel list(names);
        SatelliteFilter filter;
        filter.setSourceModel(&list);
        QSignalSpy textSpy(&filter, &SatelliteFilter::textChanged);
        QSignalSpy countSpy(&filter, &SatelliteFilter::countChanged);
        filter.setText(QStringLiteral("hot"));
        filter.setText(QStringLiteral("hot"));
        QCOMPARE(textSpy.count(), 1);
        QCOMPARE(countSpy.count(), 1);
        filter.setText(QStringLiteral("hotb"));
        QCOMPARE(textSpy.count(), 2);
        QCOMPARE(countSpy.count(), 1);
    }

    // New satellite data under an open search narrow at once.
    void followsNewList()
    {
        QStringListModel list(names);
        SatelliteFilter filter;
        filter.setSourceModel(&list);
        filter.setText(QStringLiteral("hot"));
        QSignalSpy countSpy(&filter, &SatelliteFilter::countChanged);
        list.setStringList({QStringLiteral("Hotbird 13.0E"), QStringLiteral("Astra 28.2E")});
        QCOMPARE(shown(filter), QStringList{QStringLiteral("Hotbird 13.0E")});
        QCOMPARE(filter.count(), 1);
        QVERIFY(countSpy.count() >= 1);
        QCOMPARE(filter.name(1), QString());
        QCOMPARE(filter.name(-1), QString());
    }
};

QTEST_GUILESS_MAIN(SatelliteFilterTest)
#include "tst_satellitefilter.moc"
