// The questions answered from the satellite data in memory (loaded here from
// a cache file, so that every row is under the test's control).

#include "TestDatabase.h"
#include "db/SqlHandler.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace TestDatabase;

namespace {
const QString notConnected = QStringLiteral("Not connected");
const QString notFound = QStringLiteral("Satelite not found in database");
const QString noTransponder = QStringLiteral("Transponder 20 is not among those of Astra 19.2E.");
const QString noFrequency = QStringLiteral("No transponder of %1 lies within 4 MHz of %2 MHz.");

QString exceptionText(const std::function<void()> &call)
{
    try {
        call();
    } catch (const std::runtime_error &e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("no exception");
}
} // namespace

class SqlHandlerQueriesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir cacheDir;
    std::unique_ptr<SqlHandler> handler;

private slots:
    void initTestCase()
    {
        QVERIFY(cacheDir.isValid());
        const Satelites satelites = {
            {QStringLiteral("Astra 19.2E"),
             {{19, 11494, true, 9750, 1}, {71, 11836, true, 10600, 1}, {72, 11856, false, 10600, 1}}},
            // Two rows within the tolerance of 11495, and a repeated number.
            {QStringLiteral("Close"),
             {{1, 11494, true, 9750, 2}, {2, 11497, false, 9750, 2}, {1, 12000, false, 10600, 2}}},
            {QStringLiteral("Empty"), {}}};
        const QVector<SateliteParams> params = {{QStringLiteral("Astra 19.2E"), 1, 9750, 10600},
                                                {QStringLiteral("Close"), 2, 9750, 10600},
                                                {QStringLiteral("Empty"), 2, 0, 0}};
        QVERIFY(writeCacheFile(cacheDir.path(), satelites, params));
        handler = std::make_unique<SqlHandler>(unreachableConnection(), cacheDir.path());
        handler->connectToDatabase();
    }

    void withoutData()
    {
        QTemporaryDir empty;
        SqlHandler none(unreachableConnection(), empty.path(), &QDateTime::currentDateTime,
                        [] { return BuiltInSatellites::Data(); });
        QCOMPARE(exceptionText([&] { none.connectToDatabase(); }), notConnected);
        QCOMPARE(exceptionText([&] { none.availableSatelites(); }), notConnected);
        QCOMPARE(exceptionText([&] { none.itemsForSatelite(QStringLiteral("Astra 19.2E")); }), notConnected);
        QCOMPARE(exceptionText([&] { none.getSateliteParams(QStringLiteral("Astra 19.2E")); }), notFound);
        QCOMPARE(exceptionText([&] { none.getSateliteParamsById(1); }), notFound);
        QCOMPARE(
            exceptionText([&] { none.getPolarisationForTransponder(QStringLiteral("Astra 19.2E"), 19); }),
            notFound);
        QCOMPARE(exceptionText([&] { none.getTransponderByFreq(QStringLiteral("Astra 19.2E"), 11494); }),
                 notFound);
        QCOMPARE(none.statusMessage, std::string("Not connected"));
    }

    void itemsArePairs()
    {
        const QVariantList items = handler->itemsForSatelite(QStringLiteral("Astra 19.2E"));
        QCOMPARE(items, (QVariantList{19u, 11494u, 71u, 11836u, 72u, 11856u}));
        for (const QVariant &value : items)
            QCOMPARE(value.userType(), int(QMetaType::UInt));
        QCOMPARE(handler->itemsForSatelite(QStringLiteral("Nowhere")), QVariantList());
        QCOMPARE(handler->itemsForSatelite(QStringLiteral("Empty")), QVariantList());
    }

    void transponderByNumber()
    {
        QCOMPARE(handler->getPolarisationForTransponder(QStringLiteral("Astra 19.2E"), 72),
                 (TransponderItem{72, 11856, false, 10600, 1}));
        // The earlier of two rows with the same number.
        QCOMPARE(handler->getPolarisationForTransponder(QStringLiteral("Close"), 1).frequency, 11494u);
        QCOMPARE(
            exceptionText([&] { handler->getPolarisationForTransponder(QStringLiteral("Astra 19.2E"), 20); }),
            noTransponder);
        QCOMPARE(
            exceptionText([&] { handler->getPolarisationForTransponder(QStringLiteral("Nowhere"), 19); }),
            notFound);
    }

    void transponderByFrequency_data()
    {
        QTest::addColumn<QString>("satelite");
        QTest::addColumn<quint32>("frequency");
        QTest::addColumn<int>("horizontal"); // -1: either polarisation
        QTest::addColumn<QString>("result");
        const QString astra = QStringLiteral("Astra 19.2E");
        QTest::newRow("exact") << astra << 11836u << -1 << "71";
        QTest::newRow("4 MHz below") << astra << 11832u << -1 << "71";
        QTest::newRow("4 MHz above") << astra << 11840u << 1 << "71";
        QTest::newRow("5 MHz below") << astra << 11831u << -1 << noFrequency;
        QTest::newRow("5 MHz above") << astra << 11841u << -1 << noFrequency;
        QTest::newRow("between two rows") << astra << 11846u << -1 << noFrequency;
        QTest::newRow("two rows near: the nearer wins") << "Close" << 11496u << -1 << "2";
        QTest::newRow("only the later row near") << "Close" << 11500u << -1 << "2";
        QTest::newRow("vertical beside a horizontal exact match") << "Close" << 11494u << 0 << "2";
        QTest::newRow("horizontal beside a vertical exact match") << "Close" << 11497u << 1 << "1";
        QTest::newRow("only the other polarisation near") << astra << 11836u << 0 << noFrequency;
        QTest::newRow("satellite without rows") << "Empty" << 11494u << -1 << noFrequency;
        QTest::newRow("unknown satellite") << "Nowhere" << 11494u << 1 << notFound;
        QTest::newRow("zero") << astra << 0u << -1 << noFrequency;
    }
    void transponderByFrequency()
    {
        QFETCH(QString, satelite);
        QFETCH(quint32, frequency);
        QFETCH(int, horizontal);
        QFETCH(QString, result);
        if (result == noFrequency)
            result = result.arg(satelite).arg(frequency);
        QString actual;
        try {
            actual = QString::number(horizontal < 0
                                         ? handler->getTransponderByFreq(satelite, frequency)
                                         : handler->getTransponderByFreq(satelite, frequency, horizontal > 0));
        } catch (const std::runtime_error &e) {
            actual = QString::fromUtf8(e.what());
        }
        QCOMPARE(actual, result);
    }

    void summaries()
    {
        QCOMPARE(handler->getSateliteParams(QStringLiteral("Close")),
                 (SateliteParams{QStringLiteral("Close"), 2, 9750, 10600}));
        QCOMPARE(handler->getSateliteParamsById(1).name, QStringLiteral("Astra 19.2E"));
        // "Close" and "Empty" share id 2: the first in name order.
        QCOMPARE(handler->getSateliteParamsById(2).name, QStringLiteral("Close"));
        QCOMPARE(exceptionText([&] { handler->getSateliteParamsById(3); }), notFound);
    }

    void namesAreCaseSensitive_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "astra 19.2e";
        QTest::newRow("upper case") << "ASTRA 19.2E";
        QTest::newRow("trailing blank") << "Astra 19.2E ";
    }
    void namesAreCaseSensitive()
    {
        QFETCH(QString, name);
        QCOMPARE(exceptionText([&] { handler->getSateliteParams(name); }), notFound);
        QCOMPARE(exceptionText([&] { handler->getPolarisationForTransponder(name, 19); }), notFound);
        QCOMPARE(exceptionText([&] { handler->getTransponderByFreq(name, 11494); }), notFound);
        QCOMPARE(handler->itemsForSatelite(name), QVariantList());
    }
};

QTEST_GUILESS_MAIN(SqlHandlerQueriesTest)
#include "tst_sqlhandler_queries.moc"
