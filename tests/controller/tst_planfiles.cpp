#include "OfflineEnvironment.h"
#include "controller/PlanEditor.h"
#include "controller/PlanFiles.h"
#include "controller/SatelliteDataView.h"
#include "controller/UBDataModel.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The settings files alone: a plan saved is loaded whole, and a file that
// cannot be loaded leaves the window's plan as it was and says why.
class PlanFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<UBDataModel> model;
    PlanEditor *editor = nullptr; // the model's
    std::unique_ptr<SatelliteDataView> data;
    std::unique_ptr<PlanFiles> files;
    QBuffer lines;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void init()
    {
        model = std::make_unique<UBDataModel>();
        editor = model->editor();
        editor->resetToDefault();
        data = std::make_unique<SatelliteDataView>(*editor, OfflineEnvironment::in(dir.path()));
        lines.setData(QByteArray());
        QVERIFY(lines.open(QIODevice::WriteOnly));
        files = std::make_unique<PlanFiles>(*editor, *data, DiagnosticLines(&lines));
    }

    void cleanup()
    {
        files.reset();
        data.reset();
        model.reset();
        lines.close();
    }

    void savedPlanComesBackWhole()
    {
        editor->setStaticUBs(5, true);
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        const BandPlan saved = editor->plan();
        const QString path = dir.filePath(QStringLiteral("plan.dat"));
        QSignalSpy errors(files.get(), &PlanFiles::errorOccured);
        files->saveToFile(QUrl::fromLocalFile(path).toString());
        editor->setStaticUBs(2, false);
        model->setLnb1(QStringLiteral("Hotbird 13.0E"));
        QVERIFY(!(editor->plan() == saved));
        files->readFromFile(path);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.value(0).value(0).toString()));
        QVERIFY(editor->plan() == saved);
        QVERIFY(lines.data().startsWith("File from version: "));
    }

    void failedLoadLeavesThePlan_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("\x00\x00\x00\x08\x00\x30\x00\x2e\x00\x37\xff\xff\xff", 13)
                                 << true;
    }

    void failedLoadLeavesThePlan()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        editor->setStaticUBs(4, true);
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        const BandPlan before = editor->plan();
        const QString path =
            exists ? writeFile(QStringLiteral("bad.dat"), bytes) : dir.filePath(QStringLiteral("none.dat"));
        QSignalSpy errors(files.get(), &PlanFiles::errorOccured);
        QSignalSpy notices(data.get(), &SatelliteDataView::satelliteDataNoticeChanged);
        files->readFromFile(path);
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().startsWith(QStringLiteral("Error while loading\n")));
        QVERIFY(editor->plan() == before);
        QVERIFY(notices.isEmpty());
    }

    void failedSaveSaysWhy()
    {
        QSignalSpy errors(files.get(), &PlanFiles::errorOccured);
        files->saveToFile(dir.filePath(QStringLiteral("no-such-folder/plan.dat")));
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().startsWith(QStringLiteral("Error while saving\n")));
    }
};

QTEST_GUILESS_MAIN(PlanFilesTest)
#include "tst_planfiles.moc"
