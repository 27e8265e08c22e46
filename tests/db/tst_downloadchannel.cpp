// The download process's answer as the program reads it: whole or in any
// pieces the pipe hands over, the same data; the program's own limits hold
// whatever the process sends; and the settings it is given read back alike.

#include "db/DownloadChannel.h"

#include <QtTest>

namespace {
using Fields = DownloadChannel::Fields;

QByteArray wholeAnswer(int rows)
{
    QByteArray bytes = DownloadChannel::message(DownloadChannel::Opened, {});
    bytes += DownloadChannel::message(DownloadChannel::TableListed, {"Astra 19.2°E"});
    bytes += DownloadChannel::message(DownloadChannel::TableRows, {"Astra 19.2°E"});
    for (int i = 1; i <= rows; ++i)
        bytes += DownloadChannel::message(DownloadChannel::Row,
                                          {QByteArray::number(i), "11362", "H", "10600", "3"});
    SqlHandler::Download outcome;
    outcome.opened = true;
    outcome.complete = true;
    return bytes + DownloadChannel::outcome(outcome);
}
} // namespace

class DownloadChannelTest : public QObject
{
    Q_OBJECT

private slots:
    void piecesGiveTheWhole_data()
    {
        QTest::addColumn<int>("piece");
        QTest::newRow("byte by byte") << 1;
        QTest::newRow("odd pieces") << 7;
        QTest::newRow("at once") << 1000000;
    }
    void piecesGiveTheWhole()
    {
        QFETCH(int, piece);
        const QByteArray bytes = wholeAnswer(3);
        DownloadChannel channel;
        for (int at = 0; at < bytes.size(); at += piece)
            QCOMPARE(channel.feed(bytes.mid(at, piece)), QString());
        QVERIFY(channel.ended());
        const SqlHandler::Download download = channel.download(SqlHandler::Connection());
        QVERIFY(download.complete && download.opened);
        QCOMPARE(download.tables.items.at(QStringLiteral("Astra 19.2°E")).size(), 3);
        QCOMPARE(download.tables.params.size(), 1);
        QCOMPARE(download.tables.params.at(0).lofLow, 10600u);
    }

    // A process that sends more than the limits (its own or a damaged one)
    // is refused by the program as the server would be.
    void programsLimitsHold()
    {
        SqlHandler::Limits limits;
        limits.rowsPerTable = 2;
        DownloadChannel channel(limits);
        QCOMPARE(channel.feed(wholeAnswer(3)),
                 QStringLiteral("the server sent more than 2 transponders for one satellite"));
        QVERIFY(!channel.download(SqlHandler::Connection()).complete);
        QCOMPARE(channel.feed(wholeAnswer(1)), QString());
    }

    void settingsReadBack()
    {
        SqlHandler::Connection connection{QStringLiteral("db.example"), QStringLiteral("satellites"),
                                          QStringLiteral("fenzo_ro"), QStringLiteral("pässwörd;\n\"x\""),
                                          3307};
        connection.caFile = QStringLiteral("/etc/ssl/ca.pem");
        connection.requireTls = true;
        const QByteArray bytes = DownloadChannel::settings(connection);
        SqlHandler::Connection read;
        QVERIFY(DownloadChannel::readSettings(bytes, &read));
        QCOMPARE(read.password, connection.password);
        QCOMPARE(read.port, 3307);
        QCOMPARE(read.caFile, connection.caFile);
        QVERIFY(read.requireTls);
        QVERIFY(!DownloadChannel::readSettings(bytes + "x", &read));
        QVERIFY(!DownloadChannel::readSettings(bytes.left(bytes.size() - 1), &read));
    }
};

QTEST_GUILESS_MAIN(DownloadChannelTest)
#include "tst_downloadchannel.moc"
