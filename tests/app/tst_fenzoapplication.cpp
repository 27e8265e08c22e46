#include "app/FenzoApplication.h"
#include "io/ProgramIdentity.h"

#include <QDir>
#include <QImage>
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
        QCOMPARE(ProgramIdentity::translationBaseName(uiLanguages), baseName);
    }

    // Qt's catalogues of the program's language, those that are there; none
    // beside the English catalogue, Qt's own language.
    void qtCatalogues()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        for (const char *name :
             {"qtbase_de.qm", "qtserialport_de.qm", "qtbase_fr.qm", "qtbase_en.qm", "qt_de.qm"}) {
            QFile file(directory.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ProgramIdentity::qtCatalogueFiles(QStringLiteral("fenzo_setup_de"), directory.path()),
                 (QStringList{"qtbase_de.qm", "qtserialport_de.qm"}));
        QCOMPARE(ProgramIdentity::qtCatalogueFiles(QStringLiteral("fenzo_setup_en"), directory.path()),
                 QStringList());
    }

    // The icon in the working directory wins; anything else that is not an
    // icon there gives the built-in one, in every size of the menu's icon.
    void windowIcon_data()
    {
        QTest::addColumn<QString>("fileKind");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("an icon file") << "icon" << true;
        QTest::newRow("no file") << "none" << false;
        QTest::newRow("an empty file") << "empty" << false;
        QTest::newRow("a file that holds no picture") << "text" << false;
        QTest::newRow("a folder by that name") << "folder" << false;
    }

    void windowIcon()
    {
        QFETCH(QString, fileKind);
        QFETCH(bool, fromFile);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("images/satellite_dish_icon.ico"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        if (fileKind == QLatin1String("icon")) {
            QVERIFY(red.save(path, "ICO"));
        } else if (fileKind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (fileKind != QLatin1String("none")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (fileKind == QLatin1String("text"))
                QVERIFY(file.write("not a picture\n") > 0);
        }

        const QIcon icon = FenzoApplication::windowIconFrom(path);
        const QList<QSize> sizes = icon.availableSizes();
        if (fromFile) {
            QCOMPARE(sizes, QList<QSize>{QSize(32, 32)});
            QCOMPARE(icon.pixmap(32).toImage().pixelColor(16, 16), QColor(Qt::red));
            return;
        }
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            // The pictures are compiled in, not only named.
            QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        }
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

QTEST_MAIN(FenzoApplicationTest)
#include "tst_fenzoapplication.moc"
