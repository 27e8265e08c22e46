#include "OfflineEnvironment.h"
#include "controller/UBModelController.h"
#include "model/SettingsFile.h"
#include "controller/UBDataModel.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString saveError = QStringLiteral("Error while saving");
const QString loadError = QStringLiteral("Error while loading");

// The file layout written out by hand, independently of QDataStream.
struct Bytes
{
    QByteArray data;
    Bytes &u32(quint32 v)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            data.append(char((v >> shift) & 0xff));
        return *this;
    }
    Bytes &text(const QString &s)
    {
        u32(quint32(s.size() * 2));
        for (QChar c : s) {
            data.append(char(c.unicode() >> 8));
            data.append(char(c.unicode() & 0xff));
        }
        return *this;
    }
    Bytes &flag(bool b)
    {
        data.append(char(b ? 1 : 0));
        return *this;
    }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Snapshot
{
    QList<UBRecord> list;
    bool lte, standBy, terrestrial;
    QString lnb1, lnb2;
    explicit Snapshot(const UBDataModel &m)
        : list(m.ubList()), lte(m.lteFilter()), standBy(m.standBy()), terrestrial(m.terrestrialPatchActive()),
          lnb1(m.lnb1()), lnb2(m.lnb2())
    {
    }
    bool operator==(const Snapshot &o) const
    {
        return list == o.list && lte == o.lte && standBy == o.standBy && terrestrial == o.terrestrial &&
               lnb1 == o.lnb1 && lnb2 == o.lnb2;
    }
};
} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir cacheDir;
    std::unique_ptr<UBDataModel> model;
    std::unique_ptr<UBModelController> controller;

    QString url(const QString &name) const { return QUrl::fromLocalFile(dir.filePath(name)).toString(); }

    // A plan different from the default in every part that a file carries.
    // The satellites first: a new satellite takes the transponders of its
    // LNB's static UBs.
    void editPlan()
    {
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        model->setLnb2(QStringLiteral("Hotbird 13°E"));
        controller->setStaticUBs(2, true);
        QVERIFY(model->setData(model->index(0), 7, UBDataModel::TpRole));
        QVERIFY(model->setData(model->index(0), 11836, UBDataModel::FreqRole));
        QVERIFY(model->setData(model->index(1), 1, UBDataModel::LnbRole));
        QVERIFY(model->setData(model->index(5), 2, UBDataModel::LineRole));
        model->setLteFilter(true);
        model->setTerrestrialPatchActive(true);
    }

private slots:
    void init()
    {
        model = std::make_unique<UBDataModel>();
        controller = std::make_unique<UBModelController>(model.get(), OfflineEnvironment::in(cacheDir.path()));
    }

    void cleanup()
    {
        controller.reset();
        model.reset();
    }

    void defaultPlanByteForByte()
    {
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        model->setLnb2(QStringLiteral("Astra 28.2E"));
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->saveToFile(url("default.dat"));
        QCOMPARE(errors.count(), 0);

        Bytes expected;
        expected.text("0.7").u32(24);
        for (quint32 row = 0; row < 24; ++row) {
            const quint32 ub = 23 - row;
            expected.u32(ub)
                .u32(ub % 4)
                .u32(ub / 4)
                .u32(975 + 50 * ub)
                .text("dynamic")
                .u32(0)
                .u32(0xffffffff);
        }
        expected.flag(false).flag(false).flag(false).text("Astra 19.2E").text("Astra 28.2E");
        // No static UB, no polarisation.
        expected.text("polarisations").u32(0);

        const QByteArray written = readAll(dir.filePath("default.dat"));
        QCOMPARE(written.size(), 1111);
        QVERIFY(written.startsWith(QByteArray::fromHex("000000060030002e003700000018")));
        QCOMPARE(written.toHex(), expected.data.toHex());
    }

    void roundTrip()
    {
        editPlan();
        const Snapshot saved(*model);
        controller->saveToFile(url("plan.dat"));

        controller->setStaticUBs(0, true);
        model->setLteFilter(false);
        model->setLnb1(QString());
        model->setLnb2(QStringLiteral("other"));
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->readFromFile(url("plan.dat"));
        QCOMPARE(errors.count(), 0);
        QVERIFY(Snapshot(*model) == saved);
        QCOMPARE(model->ubList().at(0).tp, 7);
        QCOMPARE(model->ubList().at(0).localUBFreq, slotFrequency(23));
    }

    // Each static UB's polarisation follows the plan's fields; earlier files
    // end before it, and whatever a later version adds is passed over.
    void whatFollowsThePlan_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("polarisation");
        Bytes block;
        block.text("polarisations").u32(2).data.append("\x03L\x05H", 4);
        Bytes later = block;
        later.text("something newer").u32(7);
        Bytes otherTag;
        otherTag.text("colours").u32(1).data.append("\x03R", 2);
        QTest::newRow("earlier file") << QByteArray() << "";
        QTest::newRow("polarisations") << block.data << "L";
        QTest::newRow("and more after them") << later.data << "L";
        QTest::newRow("something else") << otherTag.data << "";
        QTest::newRow("garbage") << QByteArray("x") << "";
        QTest::newRow("count beyond the bytes") << Bytes().text("polarisations").u32(9).data << "";
    }

    void whatFollowsThePlan()
    {
        QFETCH(QByteArray, after);
        QFETCH(QString, polarisation);
        Bytes file;
        file.text("0.7").u32(2);
        file.u32(3).u32(0).u32(0).u32(11727).text("static").u32(0).u32(4);
        file.u32(4).u32(1).u32(0).u32(1175).text("dynamic").u32(0).u32(0xffffffff);
        file.flag(false).flag(false).flag(false).text("Eutelsat 36B 35.9E").text("B");
        QVERIFY(writeAll(dir.filePath("after.dat"), file.data + after));
        const BandPlan plan = SettingsFile::read(dir.filePath("after.dat"));
        QCOMPARE(plan.list.size(), 2);
        QCOMPARE(plan.list.at(0).polarisation.letter(), polarisation);
        QVERIFY(!plan.list.at(1).polarisation.isKnown());
        QCOMPARE(plan.lnb1, QStringLiteral("Eutelsat 36B 35.9E"));

        // Written again, the polarisation is kept.
        QVERIFY(writeAll(dir.filePath("again.dat"), SettingsFile::bytes(plan)));
        QCOMPARE(SettingsFile::read(dir.filePath("again.dat")), plan);
    }

    void localUBFreqComesFromUbNumber()
    {
        Bytes file;
        file.text("0.7").u32(1).u32(4).u32(1).u32(0).u32(1175).text("dynamic").u32(0).u32(0xffffffff);
        file.flag(false).flag(false).flag(false).text("A").text("B");
        QVERIFY(writeAll(dir.filePath("one.dat"), file.data));
        controller->readFromFile(url("one.dat"));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->ubList().at(0).localUBFreq, 1175u);
    }

    void unassignedStaticLoadsAndFailsOnlyWhenSent()
    {
        controller->setStaticUBs(1, false);
        model->setLnb1(QStringLiteral("A"));
        model->setLnb2(QStringLiteral("B"));
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->saveToFile(url("unassigned.dat"));
        controller->readFromFile(url("unassigned.dat"));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(model->ubList().last().tp, -1);
        controller->sendDataToDevice();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("All static UBs must be assigned.\nNot assigned: UB01."));
    }

    void standBySurvivesOnlyWithoutStatics_data()
    {
        QTest::addColumn<uint>("statics");
        QTest::addColumn<bool>("standBy");
        QTest::newRow("all dynamic") << 0u << true;
        QTest::newRow("one static") << 1u << false;
    }

    void standBySurvivesOnlyWithoutStatics()
    {
        QFETCH(uint, statics);
        QFETCH(bool, standBy);
        // Written by hand: the program itself never saves stand-by with statics.
        Bytes file;
        file.text("0.7").u32(2);
        file.u32(1).u32(0).u32(0).u32(1025).text(statics ? "static" : "dynamic").u32(0).u32(3);
        file.u32(0).u32(1).u32(0).u32(975).text("dynamic").u32(0).u32(0xffffffff);
        file.flag(false).flag(true).flag(false).text("A").text("B");
        QVERIFY(writeAll(dir.filePath("standby.dat"), file.data));
        controller->readFromFile(url("standby.dat"));
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->standBy(), standBy);
    }

    void thirtyRecordsStayUntilRenumbered()
    {
        Bytes file;
        file.text("0.7").u32(30);
        for (quint32 i = 0; i < 30; ++i)
            file.u32(29 - i).u32(i % 4).u32(0).u32(0).text("dynamic").u32(0).u32(0xffffffff);
        file.flag(false).flag(false).flag(false).text("A").text("B");
        QVERIFY(writeAll(dir.filePath("thirty.dat"), file.data));
        controller->readFromFile(url("thirty.dat"));
        QCOMPARE(model->rowCount(), 30);
        controller->resetDynamicUBs(false);
        QCOMPARE(model->rowCount(), 24);
        QCOMPARE(model->ubList().first().ubNumber, 23u);
    }

    void brokenFilesLeaveThePlan_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        Bytes whole;
        whole.text("0.7").u32(24);
        for (quint32 i = 0; i < 24; ++i)
            whole.u32(23 - i).u32(0).u32(0).u32(0).text("dynamic").u32(0).u32(0xffffffff);
        whole.flag(true).flag(false).flag(true).text("A").text("B");

        Bytes tenOf24;
        tenOf24.text("0.7").u32(24);
        for (quint32 i = 0; i < 10; ++i)
            tenOf24.u32(i).u32(0).u32(0).u32(0).text("dynamic").u32(0).u32(0xffffffff);

        Bytes absurd;
        absurd.text("0.7").u32(0xffffffff).u32(1);

        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("count 24, ten records") << tenOf24.data;
        QTest::newRow("absurd record count") << absurd.data;
        QTest::newRow("names cut off") << whole.data.left(whole.data.size() - 3);
        QTest::newRow("odd string length") << QByteArray::fromHex("0000000300300037");
    }

    void brokenFilesLeaveThePlan()
    {
        QFETCH(QByteArray, content);
        editPlan();
        const Snapshot before(*model);
        const QString path = dir.filePath("broken.dat");
        QFile::remove(path);
        if (!content.isNull())
            QVERIFY(writeAll(path, content));

        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy listChanged(model.get(), &UBDataModel::listChanged);
        controller->readFromFile(url("broken.dat"));
        QCOMPARE(errors.count(), 1);
        // A load says so (not "saving"), with the file and the reason.
        const QString message = errors.at(0).at(0).toString();
        const QString named =
            loadError + QStringLiteral("\nThe file %1 ").arg(QDir::toNativeSeparators(path));
        QVERIFY2(message.startsWith(named), qPrintable(message));
        if (content.isNull())
            QVERIFY2(message.endsWith(QStringLiteral("(No such file or directory).")), qPrintable(message));
        QVERIFY(Snapshot(*model) == before);
        QCOMPARE(reset.count() + listChanged.count(), 0);
    }

    void failedSaveReportsAndKeepsOldFile()
    {
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->saveToFile(url("no/such/dir/plan.dat"));
        QCOMPARE(errors.count(), 1);
        // The message, then the file and the system's reason.
        QCOMPARE(errors.at(0).at(0).toString(),
                 saveError + QStringLiteral("\nThe file %1 cannot be written (No such file or directory).")
                                 .arg(dir.filePath("no/such/dir/plan.dat")));

        // A directory where the file should be: nothing replaces it.
        QVERIFY(QDir(dir.path()).mkpath("taken.dat"));
        controller->saveToFile(url("taken.dat"));
        QCOMPARE(errors.count(), 2);
        QVERIFY(QFileInfo(dir.filePath("taken.dat")).isDir());
        QVERIFY(QDir(dir.path()).entryList({"taken*"}, QDir::Files).isEmpty());
    }

    void savingOverAnOldFileReplacesIt()
    {
        const QString path = dir.filePath("old.dat");
        QVERIFY(writeAll(path, QByteArray(5000, 'x')));
        controller->saveToFile(url("old.dat"));
        // The default plan with two null names.
        QCOMPARE(readAll(path).size(), 1067);
    }

    void pathsFromTheFileDialog_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("blank and umlaut, percent-encoded") << "/a%20b%C3%A4.dat"
                                                           << "a bä.dat";
        QTest::newRow("blank and umlaut, as QML hands them") << "/a bä.dat"
                                                             << "a bä.dat";
        QTest::newRow("hash stays encoded") << "/%23plan.dat"
                                            << "#plan.dat";
    }

    void pathsFromTheFileDialog()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        model->setLnb1(QStringLiteral("Astra 19.2E"));
        const QString fileUrl = QStringLiteral("file://") + dir.path() + text;
        QSignalSpy errors(controller.get(), &UBModelController::errorOccured);
        controller->saveToFile(fileUrl);
        QCOMPARE(errors.count(), 0);
        QVERIFY(QFile::exists(dir.filePath(name)));
        model->setLnb1(QString());
        controller->readFromFile(fileUrl);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(model->lnb1(), QStringLiteral("Astra 19.2E"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
