// The real window during a slow "Save on device" against the switch
// simulator: it keeps answering (the band list scrolls, the progress shows)
// while the plan's controls are locked, and unlocks them at the end. Then the
// switch stops taking one word, and "Test on device" tells which.
#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "SimulatorProcess.h"
#include "app/ProgramWindow.h"
#include "controller/UBDataModel.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

namespace {
// Each reply of the simulator comes this late: the transfer takes seconds.
const QString replyDelayMs = QStringLiteral("140");

QObject *child(QObject *parent, const char *alias)
{
    return parent ? parent->property(alias).value<QObject *>() : nullptr;
}

// One look at the window from inside the transfer's waits.
struct Look
{
    bool busy = false;
    qreal contentY = 0;
    QString status;
    bool cancelShown = false;
    qreal belowY = 0; // where the controls under the progress line are
    int enabledRows = 0;
    int rows = 0;
};
} // namespace

class WindowTransferTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static QList<QQuickItem *> rowsOf(QQuickItem *list)
    {
        QList<QQuickItem *> rows;
        auto *content = list->property("contentItem").value<QQuickItem *>();
        for (QQuickItem *item : content->childItems()) {
            if (item->property("rowUbNumber").isValid() && item->isVisible())
                rows << item;
        }
        return rows;
    }

    // A wheel turn down over the list, where a row lies, as a mouse gives it.
    static void turnWheel(QQuickWindow *window, QQuickItem *list)
    {
        const QPointF inside = list->mapToScene(QPointF(list->width() / 2, list->height() / 2));
        QWheelEvent wheel(inside, window->mapToGlobal(inside.toPoint()), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &wheel);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
        QVERIFY(CacheFile::writeTwoSatelliteCache(dir.path()));
    }

    void saveOnDeviceKeepsTheWindowAnswering()
    {
        SimulatorProcess simulator(dir.filePath(QStringLiteral("switch")),
                                   {QStringLiteral("--delay"), replyDelayMs}, QStringLiteral("SN:01332251"));
        QVERIFY2(simulator.start(), qPrintable(simulator.errors()));
        Environment environment = OfflineEnvironment::in(dir.path());
        const QString link = simulator.link();
        environment.portLister = [link] {
            return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)};
        };
        environment.searchIntervalMs = 300;
        environment.backupDirectory = dir.filePath(QStringLiteral("backups"));

        QQmlApplicationEngine engine;
        ProgramWindow program(environment);
        program.load(engine);
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        QVERIFY(window);
        QObject *screen = child(window, "mainScreen");
        auto *list = qobject_cast<QQuickItem *>(
            child(child(child(screen, "mainScreenForm"), "uBListView1"), "listView"));
        QObject *options = child(screen, "optionsForm");
        QVERIFY(list);
        QVERIFY(options);
        QObject *status = child(options, "deviceStatusLabel");
        QObject *cancel = child(options, "cancelButton");
        auto *below = qobject_cast<QQuickItem *>(child(options, "assignStaticButton"));
        QVERIFY(status);
        QVERIFY(cancel);
        QVERIFY(below);
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY_WITH_TIMEOUT(!program.controller().fetchingSatellites(), 10000);
        // Identification waits for the slow replies too.
        QTRY_VERIFY_WITH_TIMEOUT(program.controller().deviceStatus()->connected(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!rowsOf(list).isEmpty(), 5000);
        QVERIFY(list->property("contentHeight").toReal() > list->height());
        list->setProperty("contentY", 0);
        for (QQuickItem *row : rowsOf(list))
            QVERIFY(row->isEnabled());

        // Looks at the window every few milliseconds, turning the wheel each time.
        QVector<Look> looks;
        QTimer monitor;
        connect(&monitor, &QTimer::timeout, this, [&] {
            Look look;
            look.busy = program.controller().busy();
            look.contentY = list->property("contentY").toReal();
            look.status = status->property("text").toString();
            look.cancelShown = cancel->property("visible").toBool() && cancel->property("enabled").toBool() &&
                               cancel->property("opacity").toReal() > 0;
            look.belowY = below->mapToScene(QPointF()).y();
            for (QQuickItem *row : rowsOf(list)) {
                ++look.rows;
                look.enabledRows += row->isEnabled() ? 1 : 0;
            }
            looks << look;
            turnWheel(window, list);
        });
        QStringList errors;
        connect(&program.controller(), &UBModelController::errorOccured, this,
                [&](const QString &text) { errors << text; });
        monitor.start(40);
        program.controller().storeDataInEEPROM();
        QVERIFY(program.controller().busy());
        // The call returns at once; the store runs on while the window answers.
        QTRY_VERIFY_WITH_TIMEOUT(!program.controller().busy(), 20000);
        monitor.stop();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        // The store, then the read-back.
        const QStringList lines = simulator.loggedLines();
        QCOMPARE(lines.mid(lines.size() - 5), QStringList({":MEM:WRITE:ALL", ":CONF:LTEFILT?", ":CONF:STBY?",
                                                           ":CONF:TERRAMP?", ":CONF:ALL?"}));
        QObject *information = window->property("informationMessage").value<QObject *>();
        QVERIFY(information);
        QTRY_VERIFY_WITH_TIMEOUT(information->property("visible").toBool(), 2000);
        QVERIFY2(information->property("text").toString().startsWith(
                     QStringLiteral("Stored in the switch; its working plan was read back and matches.\n")),
                 qPrintable(information->property("text").toString()));

        QVector<Look> during;
        for (const Look &look : looks) {
            if (look.busy)
                during << look;
        }
        QVERIFY2(during.size() >= 10, qPrintable(QString::number(during.size())));
        QVERIFY2(
            during.last().contentY > during.first().contentY,
            qPrintable(QStringLiteral("%1 to %2").arg(during.first().contentY).arg(during.last().contentY)));
        bool readingShown = false;
        bool readingBackShown = false;
        bool cancelShownWhileReading = false;
        bool cancelShownWhileSending = false;
        for (const Look &look : during) {
            QVERIFY(look.rows > 0);
            // Cancel comes and goes without moving what lies below it.
            QCOMPARE(look.belowY, during.first().belowY);
            QCOMPARE(look.enabledRows, 0);
            QVERIFY2(!look.status.isEmpty(), "no progress shown");
            if (look.status.startsWith(QStringLiteral("Reading the switch's plan"))) {
                readingShown = true;
                cancelShownWhileReading = cancelShownWhileReading || look.cancelShown;
            } else {
                readingBackShown = readingBackShown || look.status == QString::fromUtf8(u8"Reading back…");
                cancelShownWhileSending = cancelShownWhileSending || look.cancelShown;
            }
        }
        QVERIFY(readingShown);
        QVERIFY(readingBackShown);
        QVERIFY(cancelShownWhileReading);
        QVERIFY(!cancelShownWhileSending);

        // Unlocked at the end.
        QTRY_VERIFY_WITH_TIMEOUT(!rowsOf(list).isEmpty(), 2000);
        for (QQuickItem *row : rowsOf(list))
            QVERIFY(row->isEnabled());
        QVERIFY(!cancel->property("visible").toBool());
        QMetaObject::invokeMethod(information, "close");

        // UB01 moves to line 4, but the switch keeps the word it has.
        QVERIFY(simulator.control(QStringLiteral("keep-word 0")));
        UBDataModel &plan = program.model();
        QVERIFY(plan.setData(plan.index(plan.rowCount() - 1), 3, UBDataModel::LineRole));
        program.controller().sendDataToDevice();
        QTRY_VERIFY_WITH_TIMEOUT(!program.controller().busy(), 20000);
        QObject *error = window->property("errorMessage").value<QObject *>();
        QVERIFY(error);
        QTRY_VERIFY_WITH_TIMEOUT(error->property("visible").toBool(), 2000);
        const QStringList shown = error->property("text").toString().split(QLatin1Char('\n'));
        QVERIFY2(shown.size() == 4, qPrintable(shown.join(QLatin1Char('\n'))));
        QCOMPARE(
            shown.at(0),
            QStringLiteral("The plan was sent, but the switch's working plan, read back, differs from it:"));
        QCOMPARE(
            shown.at(1),
            QStringLiteral("UB01: sent a dynamic UB on line 4, the switch holds a dynamic UB on line 1"));
        QVERIFY2(shown.at(2).startsWith(QStringLiteral("UB01: sent the word ")), qPrintable(shown.at(2)));
        QVERIFY2(shown.at(3).startsWith(
                     QStringLiteral("The plan the switch held before the send is kept in the backup ")),
                 qPrintable(shown.at(3)));
        window->close();
    }
};

QTEST_MAIN(WindowTransferTest)

#include "tst_windowtransfer.moc"
