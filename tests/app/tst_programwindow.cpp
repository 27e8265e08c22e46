#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "app/ProgramWindow.h"

#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
QStringList messages;
QtMessageHandler previousHandler = nullptr;

// Keeps every warning and error, and passes all on.
void keepWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        messages << text;
    previousHandler(type, context, text);
}
} // namespace

// The window as the program puts it together and loads it: everything its
// interface uses is there, and the start from the offline cache reaches the
// satellite boxes.
class ProgramWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
        QVERIFY(CacheFile::writeTwoSatelliteCache(dir.path()));
        previousHandler = qInstallMessageHandler(keepWarnings);
    }

    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void loadsWithoutWarningsAndFollowsTheData()
    {
        messages.clear();
        loadAndShow();
        if (QTest::currentTestFailed())
            return;
        // The window's end too: nothing of the interface outlives what it shows.
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    // A second window in the same program shows its own parts, not those of
    // the first, which are gone.
    void aSecondWindowShowsItsOwnParts()
    {
        messages.clear();
        loadAndShow();
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

private:
    // Declared as the program declares them, the engine first.
    void loadAndShow()
    {
        QQmlApplicationEngine engine;
        ProgramWindow window(OfflineEnvironment::in(dir.path()));
        window.load(engine);
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *shown = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        QVERIFY(shown);
        // The interface reaches this window's parts, each under its name.
        QQmlComponent probe(&engine);
        probe.setData("import QtQml 2.2\nimport Fenzo 1.0\nQtObject {\n"
                      "  readonly property var plan: Plan\n"
                      "  readonly property var satellites: SatelliteNames\n"
                      "  readonly property bool others: !!(Controller && Device && Sheet && Report)\n}",
                      QUrl());
        const std::unique_ptr<QObject> seen(probe.create());
        QVERIFY2(seen, qPrintable(probe.errorString()));
        QCOMPARE(seen->property("plan").value<QObject *>(), &window.model());
        QVERIFY(seen->property("others").toBool());
        window.start();
        auto *list = qobject_cast<QAbstractItemModel *>(seen->property("satellites").value<QObject *>());
        QVERIFY(list);
        QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.controller().fetchingSatellites(), 10000);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        shown->close();
    }
};

QTEST_MAIN(ProgramWindowTest)

#include "tst_programwindow.moc"
