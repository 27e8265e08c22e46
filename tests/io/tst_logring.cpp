#include "io/LogCategories.h"
#include "io/LogRing.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QThread>
#include <QtTest>

#include <vector>

namespace {
// What reached the handler before the ring: what the console would print.
// Handlers are called from every thread that logs, so it locks as Qt's own
// handler does.
QStringList printed;
QMutex printedMutex;

void printer(QtMsgType, const QMessageLogContext &, const QString &message)
{
    const QMutexLocker lock(&printedMutex);
    printed << message;
}
} // namespace

class LogRingTest : public QObject
{
    Q_OBJECT

    QtMessageHandler outer = nullptr;

private slots:
    void init()
    {
        printed.clear();
        outer = qInstallMessageHandler(&printer);
    }

    void cleanup()
    {
        qInstallMessageHandler(outer);
        QLoggingCategory::setFilterRules(QString());
    }

    // Lines carry time, category and text; the oldest go first.
    void keepsTheNewestLines()
    {
        LogRing ring(3);
        for (int i = 1; i <= 5; ++i)
            qCDebug(transferLog).noquote() << QStringLiteral("Writing %1").arg(i);
        const QStringList lines = ring.lines();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.first().endsWith(QLatin1String(" fenzo.transfer: Writing 3")),
                 qPrintable(lines.first()));
        QVERIFY(lines.last().endsWith(QLatin1String(": Writing 5")));
        QVERIFY(QDateTime::fromString(lines.first().section(QLatin1Char(' '), 0, 0), Qt::ISODateWithMs)
                    .isValid());
        QCOMPARE(printed.size(), 5);
    }

    // The rules hide the program's debug lines from the console, not from
    // the ring; Qt's own categories follow the rules in both.
    void recordsWhatTheRulesHide()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        {
            LogRing ring;
            qCDebug(deviceLog) << "hidden";
            qCWarning(deviceLog) << "shown";
            QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\nfenzo.device.debug=true"));
            qCDebug(deviceLog) << "shown again";
            qDebug() << "dropped";
            QCOMPARE(ring.lines().size(), 3);
            QCOMPARE(printed, QStringList({QStringLiteral("shown"), QStringLiteral("shown again")}));
        }
        // Gone: the rules alone decide, the earlier handler is back.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
        QVERIFY(!deviceLog().isDebugEnabled());
        qCWarning(deviceLog) << "after";
        QCOMPARE(printed.last(), QStringLiteral("after"));
    }

    // The download logs from its worker: lines from several threads at once
    // all arrive whole, and the ring stays within its bound.
    void takesLinesFromThreads()
    {
        LogRing ring(100);
        std::vector<QThread *> threads;
        for (int t = 0; t < 4; ++t)
            threads.push_back(QThread::create([t] {
                for (int i = 0; i < 200; ++i)
                    qCDebug(downloadLog).noquote() << QStringLiteral("thread %1 line %2").arg(t).arg(i);
            }));
        for (QThread *thread : threads)
            thread->start();
        for (QThread *thread : threads) {
            QVERIFY(thread->wait(30000));
            delete thread;
        }
        const QStringList lines = ring.lines();
        QCOMPARE(lines.size(), 100);
        for (const QString &line : lines)
            QVERIFY2(
                line.contains(QRegularExpression(QStringLiteral(" fenzo.download: thread \\d line \\d+$"))),
                qPrintable(line));
        QCOMPARE(printed.size(), 800);
    }
};

QTEST_GUILESS_MAIN(LogRingTest)
#include "tst_logring.moc"
