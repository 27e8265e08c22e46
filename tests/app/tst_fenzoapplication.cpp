#include "app/FenzoApplication.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class FenzoApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void translationChoice_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("baseName");
        const QString de = QStringLiteral("fenzo_setup_de");
        const QString en = QStringLiteral("fenzo_setup_en");
        QTest::newRow("de-DE") << QStringList{"de-DE"} << de;
        QTest::newRow("de") << QStringList{"de"} << de;
        QTest::newRow("de-AT") << QStringList{"de-AT", "en-US"} << de;
        QTest::newRow("de-CH") << QStringList{"de-CH"} << de;
        QTest::newRow("en-US then de-DE") << QStringList{"en-US", "de-DE"} << en;
        QTest::newRow("en-DE: upper case does not count") << QStringList{"en-DE"} << en;
        QTest::newRow("fr-FR") << QStringList{"fr-FR"} << en;
        QTest::newRow("no languages") << QStringList{} << en;
    }

    void translationChoice()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, baseName);
        QCOMPARE(FenzoApplication::translationBaseName(uiLanguages), baseName);
    }

    // The real program: it loads its interface and runs its event loop even
    // with neither a satellite database nor a device around.
    void programStartsAndRuns()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path() + "/.config");
        environment.insert("XDG_CACHE_HOME", home.path() + "/.cache");
        environment.insert("XDG_DATA_HOME", home.path() + "/.local/share");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_QUICK_BACKEND", "software");
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QStringLiteral(FENZO_SOURCE_DIR));
        program.start(QStringLiteral(FENZO_PROGRAM), QStringList());
        QVERIFY2(program.waitForStarted(5000), qPrintable(program.errorString()));
        QVERIFY(!program.waitForFinished(3000));
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        QVERIFY(program.waitForFinished(5000));

        const QString output = QString::fromLocal8Bit(program.readAllStandardError());
        for (const QString &line : output.split('\n', Qt::SkipEmptyParts)) {
            // The debug log of the database and device link may speak; QML must not.
            QVERIFY2(!line.contains(QLatin1String("qrc:/")) && !line.contains(QLatin1String("QML"))
                         && !line.contains(QLatin1String("qml:")),
                     qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(FenzoApplicationTest)
#include "tst_fenzoapplication.moc"
