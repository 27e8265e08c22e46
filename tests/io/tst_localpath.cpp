#include "io/LocalPath.h"

#include <QtTest>

// The texts file dialogs hand over, as paths.
class LocalPathTest : public QObject
{
    Q_OBJECT

private slots:
    void fromUrlText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::newRow("unix URL") << "file:///home/user/plan.dat"
                                  << "/home/user/plan.dat";
#ifdef Q_OS_WIN
        QTest::newRow("windows URL") << "file:///C:/plans/plan.dat"
                                     << "C:/plans/plan.dat";
#endif
        QTest::newRow("blank and umlaut decoded, hash encoded")
            << QStringLiteral("file:///tmp/a b/ä%23.dat") << QStringLiteral("/tmp/a b/ä#.dat");
        QTest::newRow("prefix alone") << "file:///"
                                      << "/";
        QTest::newRow("a path stays a path") << "/tmp/plan.dat"
                                             << "/tmp/plan.dat";
        QTest::newRow("empty") << ""
                               << "";
    }

    void fromUrlText()
    {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QCOMPARE(LocalPath::fromUrlText(text), path);
    }
};

QTEST_GUILESS_MAIN(LocalPathTest)
#include "tst_localpath.moc"
