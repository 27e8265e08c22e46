// A command line leaves the port within a deadline that grows with its
// length: a line that is only slow is written whole, one that stalls or is
// lost fails, and neither keeps the caller longer than the deadline; the
// event loop runs meanwhile.
#include "device/LineExchange.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
// A serial line that sends at a fixed speed and counts what is still being
// sent as not yet written, as some systems do; it can stall or be lost. It
// reports written bytes through the event loop, as a serial port does. It
// is a serial port to the exchange, but never touches a system port.
class SlowLine : public QSerialPort
{
public:
    SlowLine(int bytesPerSecond, int lostAfterMs) : bytesPerSecond(bytesPerSecond), lostAfterMs(lostAfterMs)
    {
        QIODevice::open(QIODevice::WriteOnly);
        clock.start();
        connect(&tick, &QTimer::timeout, this, &SlowLine::send);
        tick.start(tickMs);
    }
    ~SlowLine() override { close(); }

    bool open(OpenMode) override { return false; }
    void close() override { QIODevice::close(); }
    qint64 bytesToWrite() const override { return pending; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        pending += size;
        return size;
    }

private:
    void send()
    {
        if (lostAfterMs >= 0 && clock.elapsed() >= lostAfterMs) {
            tick.stop();
            close();
            return;
        }
        const qint64 sent = qMin<qint64>(pending, qint64(tickMs) * bytesPerSecond / 1000);
        if (sent <= 0)
            return;
        pending -= sent;
        emit bytesWritten(sent);
    }

    static constexpr int tickMs = 10;
    int bytesPerSecond;
    int lostAfterMs; // -1: never
    qint64 pending = 0;
    QElapsedTimer clock;
    QTimer tick;
};
} // namespace

class LineWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void writeWaitsForTheLine_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("bytesPerSecond"); // 960: 9600 baud
        QTest::addColumn<int>("lostAfterMs");
        QTest::addColumn<bool>("written");
        QTest::newRow("short command at 9600 baud") << 18 << 960 << -1 << true;
        QTest::newRow("configuration line at 9600 baud") << 276 << 960 << -1 << true;
        QTest::newRow("line at a third of the speed") << 276 << 320 << -1 << false;
        QTest::newRow("stalled line") << 276 << 0 << -1 << false;
        QTest::newRow("line lost while sending") << 276 << 960 << 150 << false;
    }

    void writeWaitsForTheLine()
    {
        QFETCH(int, bytes);
        QFETCH(int, bytesPerSecond);
        QFETCH(int, lostAfterMs);
        QFETCH(bool, written);
        SlowLine line(bytesPerSecond, lostAfterMs);
        int owed = 0;
        LineExchange exchange(&line, owed);
        QSignalSpy done(&exchange, &LineExchange::done);
        // The longest time the event loop stood still during the wait.
        QElapsedTimer sinceTick;
        qint64 longestBlock = 0;
        QTimer monitor;
        connect(&monitor, &QTimer::timeout, this, [&] { longestBlock = qMax(longestBlock, sinceTick.restart()); });
        monitor.start(5);
        sinceTick.start();
        QElapsedTimer elapsed;
        elapsed.start();
        // The command and its line end make `bytes`; no pause after it.
        exchange.command(QString(bytes - 1, QLatin1Char('x')), 0);
        QVERIFY(done.wait(10000));
        QCOMPARE(exchange.outcome(), written ? LineExchange::Outcome::Sent : LineExchange::Outcome::WriteFailed);
        longestBlock = qMax(longestBlock, sinceTick.elapsed());
        // A blocking wait stands still for all of a long wait; the event loop
        // ticks through it, however busy the machine makes each tick.
        if (elapsed.elapsed() >= 200)
            QVERIFY2(longestBlock * 2 < elapsed.elapsed(),
                     qPrintable(QStringLiteral("%1 of %2 ms").arg(longestBlock).arg(elapsed.elapsed())));
        const int deadline = LineExchange::writeDeadlineMs(bytes);
        // 100 ms plus twice the line's time at 9600 baud: 675 ms for 276 bytes.
        QVERIFY2(deadline >= 100 + 2 * bytes * 10 * 1000 / 9600, qPrintable(QString::number(deadline)));
        // Bounded: one wait past the deadline at most, with room for a busy machine.
        QVERIFY2(elapsed.elapsed() < deadline + LineExchange::timeoutMs + 500,
                 qPrintable(QString::number(elapsed.elapsed())));
        if (lostAfterMs >= 0)
            QVERIFY2(elapsed.elapsed() < lostAfterMs + 2 * LineExchange::timeoutMs + 500,
                     qPrintable(QString::number(elapsed.elapsed())));
    }
};

QTEST_GUILESS_MAIN(LineWriteTest)
#include "tst_linewrite.moc"
