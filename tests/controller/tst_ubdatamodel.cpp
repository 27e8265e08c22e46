#include "controller/UBDataModel.h"
#include "controller/PlanEditor.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDataStream>
#include <QSignalSpy>
#include <QtTest>

namespace {
QList<UBRecord> recordsOfTypes(const QStringList &types)
{
    QList<UBRecord> list;
    for (int i = 0; i < types.size(); ++i) {
        UBRecord record;
        record.ubNumber = quint32(types.size() - 1 - i);
        record.type = types.at(i);
        list.append(record);
    }
    return list;
}

QList<UBRecord> dynamicRecords(int count)
{
    QStringList types;
    for (int i = 0; i < count; ++i)
        types << UBRecord::dynamicType;
    return recordsOfTypes(types);
}

// Records every signal of the model in emission order, by name.
class SignalLog : public QObject
{
public:
    explicit SignalLog(UBDataModel *model)
    {
        connect(model, &QAbstractItemModel::dataChanged, this, [this] { order << "dataChanged"; });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { order << "modelReset"; });
        connect(model, &UBDataModel::dynamicLinesChanged, this, [this] { order << "dynamicLinesChanged"; });
        connect(model, &UBDataModel::listChanged, this, [this] { order << "listChanged"; });
        connect(model, &UBDataModel::staticUbsAvailableChanged, this,
                [this] { order << "staticUbsAvailableChanged"; });
        connect(model, &UBDataModel::standByChanged, this, [this] { order << "standByChanged"; });
        connect(model, &UBDataModel::lnb1Changed, this, [this] { order << "lnb1Changed"; });
    }
    QStringList order;
};
} // namespace

class UBDataModelTest : public QObject
{
    Q_OBJECT

    // An index that claims a row outside the list, as a stale view might hold.
    static QModelIndex fakeIndex(const UBDataModel &model, int row)
    {
        struct Maker : QAbstractListModel
        {
            int rowCount(const QModelIndex &) const override { return 0; }
            QVariant data(const QModelIndex &, int) const override { return {}; }
            static QModelIndex make(const QAbstractItemModel *, int row) { return Maker().createIndex(row, 0); }
        };
        return Maker::make(&model, row);
    }

private slots:
    void newModelIsEmpty()
    {
        UBDataModel model;
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.versionNumber(), QStringLiteral("0.7"));
        QVERIFY(!model.staticUbsAvailable());
        QVERIFY(model.lnb1().isEmpty());
    }

    void defaultRecord()
    {
        const UBRecord record;
        QCOMPARE(record.type, QStringLiteral("dynamic"));
        QCOMPARE(record.tp, -1);
        QCOMPARE(record.ubNumber + record.line + record.localUB + record.freq + record.localUBFreq + record.lnb,
                 0u);
    }

    void roleNames()
    {
        UBDataModel model;
        const QHash<int, QByteArray> expected{{UBDataModel::UbNumberRole, "ubNumber"},
                                              {UBDataModel::LineRole, "line"},
                                              {UBDataModel::LocalUBRole, "localUB"},
                                              {UBDataModel::FreqRole, "freq"},
                                              {UBDataModel::LocalUBFreqRole, "localUBFreq"},
                                              {UBDataModel::TypeRole, "type"},
                                              {UBDataModel::LnbRole, "lnb"},
                                              {UBDataModel::TpRole, "tp"},
                                              {UBDataModel::UbNameRole, "ubName"},
                                              {UBDataModel::RowColourRole, "rowColour"},
                                              {UBDataModel::TransponderTextRole, "transponderText"},
                                              {UBDataModel::TransponderMissingRole, "transponderMissing"}};
        QCOMPARE(model.roleNames(), expected);
    }

    void setDataStoresEachRole_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("ubNumber") << int(UBDataModel::UbNumberRole) << QVariant(5) << QVariant(5u);
        QTest::newRow("localUB") << int(UBDataModel::LocalUBRole) << QVariant(3) << QVariant(3u);
        QTest::newRow("freq") << int(UBDataModel::FreqRole) << QVariant(11836) << QVariant(11836u);
        QTest::newRow("type") << int(UBDataModel::TypeRole) << QVariant("static") << QVariant("static");
        QTest::newRow("lnb") << int(UBDataModel::LnbRole) << QVariant(1) << QVariant(1u);
        QTest::newRow("tp -1 stays signed") << int(UBDataModel::TpRole) << QVariant(-1) << QVariant(-1);
        QTest::newRow("tp from JS double") << int(UBDataModel::TpRole) << QVariant(-1.0) << QVariant(-1);
        QTest::newRow("tp 7") << int(UBDataModel::TpRole) << QVariant(7) << QVariant(7);
        QTest::newRow("not a number stores 0") << int(UBDataModel::FreqRole) << QVariant("abc") << QVariant(0u);
    }

    void setDataStoresEachRole()
    {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        UBDataModel model;
        model.setUBList(dynamicRecords(3));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(changed.isValid());
        QVERIFY(model.setData(model.index(1), value, role));
        QCOMPARE(model.data(model.index(1), role), expected);
        QCOMPARE(model.data(model.index(1), role).userType(), expected.userType());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(1));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(1));
        QVERIFY(changed.at(0).at(2).value<QVector<int>>().isEmpty());
    }

    void setDataEmitsEvenWithoutChange()
    {
        UBDataModel model;
        QList<UBRecord> list = dynamicRecords(2);
        list[0].ubNumber = 5;
        model.setUBList(list);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0), 5, UBDataModel::UbNumberRole));
        QCOMPARE(changed.count(), 1);
    }

    void setDataRefusesReadOnlyAndUnknown_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::newRow("localUBFreq") << 0 << int(UBDataModel::LocalUBFreqRole);
        QTest::newRow("display role") << 0 << int(Qt::DisplayRole);
        QTest::newRow("role above tp") << 0 << int(UBDataModel::TpRole + 1);
        QTest::newRow("row below range") << -1 << int(UBDataModel::UbNumberRole);
        QTest::newRow("row past end") << 2 << int(UBDataModel::UbNumberRole);
    }

    void setDataRefusesReadOnlyAndUnknown()
    {
        QFETCH(int, row);
        QFETCH(int, role);
        UBDataModel model;
        QList<UBRecord> list = dynamicRecords(2);
        list[0].localUBFreq = 975;
        model.setUBList(list);
        SignalLog log(&model);
        QVERIFY(!model.setData(model.index(row, 0).isValid() ? model.index(row) : fakeIndex(model, row), 1200, role));
        QCOMPARE(model.ubList(), list);
        QVERIFY(log.order.isEmpty());
    }

    void setRecordAnnouncesOnlyAChange()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(3));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        UBRecord record = model.ubList().at(1);
        model.editor()->setRecord(1, record);
        model.editor()->setRecord(3, record);
        QCOMPARE(changed.count(), 0);
        record.line = 2;
        model.editor()->setRecord(1, record);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(1));
        QCOMPARE(model.data(model.index(1), UBDataModel::RowColourRole), QVariant(QStringLiteral("#66ccff")));
    }

    // A transponder the data lack is shown by what the plan holds; the mark
    // alone changing is a change of the row.
    void missingTransponderRow()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(2));
        UBRecord record = model.ubList().at(0);
        record.type = UBRecord::staticType;
        record.tp = 4;
        record.freq = 10705;
        record.polarisation = Polarisation::H;
        model.editor()->setRecord(0, record);
        QCOMPARE(model.data(model.index(0), UBDataModel::TransponderTextRole), QVariant("10705 MHz H"));
        QCOMPARE(model.data(model.index(0), UBDataModel::TransponderMissingRole), QVariant(false));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        record.standing = TransponderChoice::Standing::NotInData;
        model.editor()->setRecord(0, record);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.data(model.index(0), UBDataModel::TransponderMissingRole), QVariant(true));
        QCOMPARE(model.data(model.index(0), UBDataModel::TpRole), QVariant(4));
    }

    void dataOutsideRangeIsInvalid()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(1));
        QVERIFY(!model.data(model.index(0), UBDataModel::UbNumberRole - 1).isValid());
        QVERIFY(!model.data(model.index(0), UBDataModel::TransponderMissingRole + 1).isValid());
        QVERIFY(!model.data(model.index(1), UBDataModel::UbNumberRole).isValid());
    }

    void lineChangeAnnouncesDynamicLinesFirst()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(3));
        SignalLog log(&model);
        QVERIFY(model.setData(model.index(2), 2, UBDataModel::LineRole));
        // The lines are numbered anew before the row's own announcement.
        QCOMPARE(log.order, QStringList({"dynamicLinesChanged", "dataChanged", "listChanged",
                                         "staticUbsAvailableChanged", "standByChanged", "dataChanged"}));
        QCOMPARE(model.ubList().at(2).line, 2u);
    }

    void lineChangeSurvivesListReplacedByHandler()
    {
        // The controller replaces the whole list while setData is still running.
        UBDataModel model;
        model.setUBList(dynamicRecords(26));
        connect(&model, &UBDataModel::dynamicLinesChanged, &model, [&model] {
            QList<UBRecord> list = model.ubList();
            list.erase(list.begin(), list.begin() + 2);
            model.setUBList(list);
        });
        QVERIFY(model.setData(model.index(25), 3, UBDataModel::LineRole));
        QCOMPARE(model.rowCount(), 24);
    }

    void setUBListSignalOrder()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(24));
        model.setStandBy(true);
        SignalLog log(&model);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setUBList(dynamicRecords(24));
        QCOMPARE(log.order,
                 QStringList({"dataChanged", "listChanged", "staticUbsAvailableChanged", "standByChanged"}));
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(23));
        QVERIFY(!model.staticUbsAvailable());
        QVERIFY(model.standBy());
    }

    void staticRecordClearsStandBy()
    {
        UBDataModel model;
        model.setStandBy(true);
        model.setUBList(recordsOfTypes({"dynamic", "dynamic", "static", "dynamic"}));
        QVERIFY(model.staticUbsAvailable());
        QVERIFY(!model.standBy());
        // A type that is neither text does not count as static.
        model.setUBList(recordsOfTypes({"Static", "dynamic", "dynamic", "x"}));
        QVERIFY(!model.staticUbsAvailable());
    }

    void typeEditDoesNotUpdateStaticFlag()
    {
        UBDataModel model;
        model.setUBList(dynamicRecords(2));
        QVERIFY(model.setData(model.index(0), UBRecord::staticType, UBDataModel::TypeRole));
        QVERIFY(!model.staticUbsAvailable());
    }

    void rowCountChangeResetsModel()
    {
        UBDataModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        SignalLog log(&model);
        model.setUBList(dynamicRecords(24));
        QCOMPARE(model.rowCount(), 24);
        model.setUBList(dynamicRecords(30));
        model.setUBList({});
        QCOMPARE(model.rowCount(), 0);
        model.setUBList({});
        QCOMPARE(log.order, QStringList({"modelReset", "listChanged", "staticUbsAvailableChanged",
                                         "standByChanged", "modelReset", "listChanged",
                                         "staticUbsAvailableChanged", "standByChanged", "modelReset",
                                         "listChanged", "staticUbsAvailableChanged", "standByChanged",
                                         "listChanged", "staticUbsAvailableChanged", "standByChanged"}));
    }

    void setterEmitsOnlyOnChange()
    {
        UBDataModel model;
        QSignalSpy lnb1(&model, &UBDataModel::lnb1Changed);
        QSignalSpy lte(&model, &UBDataModel::lteFilterChanged);
        QVERIFY(lnb1.isValid() && lte.isValid());
        model.setLnb1("Astra 19.2E");
        model.setLnb1("Astra 19.2E");
        QCOMPARE(lnb1.count(), 1);
        QCOMPARE(lnb1.at(0).at(0).toString(), QStringLiteral("Astra 19.2E"));
        model.setLteFilter(false);
        QCOMPARE(lte.count(), 0);
        model.setLteFilter(true);
        QCOMPARE(lte.count(), 1);
        QVERIFY(model.lteFilter());
    }

    void streamRoundTrip()
    {
        QList<UBRecord> list = recordsOfTypes({"static", "dynamic", "weird"});
        list[0].tp = -1;
        list[0].lnb = 1;
        list[0].freq = 11836;
        list[1].line = 3;
        list[1].localUB = 5;
        list[1].localUBFreq = 1025;
        list[2].tp = 12;
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << list;
        }
        QDataStream in(bytes);
        QList<UBRecord> back;
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        list[1].localUBFreq = 0; // not part of the stream form
        QCOMPARE(back, list);
        // Count, then seven fields per record; a dynamic record takes 42 bytes.
        QCOMPARE(bytes.size(), 4 + 40 + 42 + 38);
    }

    void streamWithAbsurdCount_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("count 0xFFFFFFFF, no records") << QByteArray::fromHex("ffffffff");
        QTest::newRow("count 0xFFFFFFFF, one record")
            << QByteArray::fromHex("ffffffff") + QByteArray(16, '\0') + QByteArray::fromHex("ffffffff")
                   + QByteArray(8, '\0');
        QTest::newRow("count 24, ten records") << QByteArray::fromHex("00000018") + QByteArray(280, '\0');
        QTest::newRow("cut inside a string") << QByteArray::fromHex("00000001") + QByteArray(16, '\0')
                                                    + QByteArray::fromHex("7ffffffe0041");
    }

    void streamWithAbsurdCount()
    {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QDataStream in(&buffer);
        QList<UBRecord> list = dynamicRecords(2);
        in >> list;
        QVERIFY(list.isEmpty());
        QVERIFY(in.status() != QDataStream::Ok);
    }
};

QTEST_GUILESS_MAIN(UBDataModelTest)
#include "tst_ubdatamodel.moc"
