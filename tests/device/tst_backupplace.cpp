// The side file that says where a backed-up switch hangs: written beside the
// backup that holds the plan, the backup itself unchanged.
#include "device/PlanBackup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DeviceReplies replies(int firstLine)
{
    QStringList words;
    for (quint32 ub = 0; ub < 24; ++ub)
        words << CodeWord::makeDynamic(ub, (ub + firstLine) % 4, ub + 1).toText();
    DeviceReplies r;
    r.lteFilter = QStringLiteral("OFF");
    r.standBy = QStringLiteral("OFF");
    r.terrestrialPath = QStringLiteral("ON");
    r.configuration = words.join(QLatin1Char(','));
    return r;
}

const BackupPlace cellar{QStringLiteral("/sites/Main Street 4.fsite"), QStringLiteral("Main Street 4"),
                         QStringLiteral("Stairwell A, cellar")};
} // namespace

class BackupPlaceTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int seconds = 0;

    PlanBackup backup(const BackupPlace &place = BackupPlace())
    {
        PlanBackup made(dir.filePath(QStringLiteral("backups")),
                        [this] { return QDateTime(QDate(2026, 12, 9), QTime(22, 0)).addSecs(seconds); });
        made.setPlace(place);
        return made;
    }

private slots:
    void init()
    {
        QVERIFY(QDir(dir.filePath(QStringLiteral("backups"))).removeRecursively());
        ++seconds;
    }

    void sideFileNamesTheSiteAndLeavesTheBackup()
    {
        const QString plain = backup().write(QStringLiteral("0133"), replies(0), nullptr);
        const QByteArray repliesText = fileBytes(plain);
        QVERIFY(!QFileInfo::exists(BackupPlace::sidePath(plain)));
        QVERIFY(QDir(dir.filePath(QStringLiteral("backups"))).removeRecursively());

        const QString path = backup(cellar).write(QStringLiteral("0133"), replies(0), nullptr);
        QCOMPARE(path, plain);
        QCOMPARE(fileBytes(path), repliesText);
        QCOMPARE(QString::fromUtf8(fileBytes(path + QStringLiteral(".where.txt"))),
                 QStringLiteral("site file: %1\nsite: Main Street 4\nlabel: Stairwell A, cellar\n")
                     .arg(QDir::toNativeSeparators(cellar.siteFile)));
        // Only the backups themselves count as backups.
        const QStringList files = QFileInfo(path).dir().entryList(QDir::Files);
        QCOMPARE(files.size(), 2);
    }

    void heldBackupGetsTheNewPlace()
    {
        const QString first = backup(cellar).write(QStringLiteral("0133"), replies(0), nullptr);
        ++seconds;
        BackupPlace attic = cellar;
        attic.label = QStringLiteral("Attic");
        // The same plan again: no new backup, but it now hangs in the attic.
        QCOMPARE(backup(attic).write(QStringLiteral("0133"), replies(0), nullptr), first);
        QVERIFY(fileBytes(BackupPlace::sidePath(first)).endsWith("label: Attic\n"));
        // Without a site the side file stays as it is.
        QCOMPARE(backup().write(QStringLiteral("0133"), replies(0), nullptr), first);
        QVERIFY(fileBytes(BackupPlace::sidePath(first)).endsWith("label: Attic\n"));
        ++seconds;
        const QString second = backup(cellar).write(QStringLiteral("0133"), replies(1), nullptr);
        QVERIFY(second != first);
        QVERIFY(fileBytes(BackupPlace::sidePath(second)).endsWith("label: Stairwell A, cellar\n"));
    }

    void labelStaysOnItsLine()
    {
        BackupPlace odd = cellar;
        odd.label = QStringLiteral("A\nsite: forged");
        const QString path = backup(odd).write(QStringLiteral("0133"), replies(0), nullptr);
        const QList<QByteArray> lines = fileBytes(BackupPlace::sidePath(path)).split('\n');
        QCOMPARE(lines.size(), 4); // three lines and the end of the last
        QCOMPARE(lines.at(2), QByteArray("label: A\\nsite: forged"));
    }
};

QTEST_GUILESS_MAIN(BackupPlaceTest)
#include "tst_backupplace.moc"
