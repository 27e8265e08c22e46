// Every file the program writes, on a disk that is full: the plan file, the
// offline cache, the installation sheet as PDF and as PNG. Each keeps the
// earlier file byte for byte and says why, with the system's words.
//
// The disk is a small tmpfs in a mount namespace of this process's own (so
// nothing is left mounted whatever happens); without the right to make one
// (not root) the test is skipped with a message.

#include "CacheFile.h"
#include "CatalogueRows.h"
#include "controller/UBModelController.h"
#include "controller/UBDataModel.h"
#include "sheet/InstallationSheet.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#endif

namespace {
const QByteArray earlier = QByteArrayLiteral("the earlier file, which must survive");
const QString noSpace = QStringLiteral("No space left on device");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class FullDiskTest;
// Writes one kind of file at the path; returns what the program said.
using Writer = std::function<QString(FullDiskTest *, const QString &)>;
Q_DECLARE_METATYPE(Writer)

class FullDiskTest : public QObject
{
    Q_OBJECT

    QTemporaryDir mountPoint;
    QString disk; // the full tmpfs
    UBDataModel model;

    // Why no tmpfs could be made, or empty when it was.
    QString mountSmallDisk()
    {
#ifdef Q_OS_LINUX
        if (::unshare(CLONE_NEWNS) != 0)
            return QStringLiteral("no mount namespace: ") + QString::fromLocal8Bit(std::strerror(errno));
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("mounts not private: ") + QString::fromLocal8Bit(std::strerror(errno));
        const QByteArray path = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", path.constData(), "tmpfs", 0, "size=256k") != 0)
            return QStringLiteral("no tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        disk = mountPoint.path();
        return QString();
#else
        return QStringLiteral("tmpfs needs Linux");
#endif
    }

    // Fills the disk to the last byte.
    bool fill()
    {
        QFile filler(disk + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) {
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mountPoint.isValid());
        const QString why = mountSmallDisk();
        if (!why.isEmpty())
            QSKIP(qPrintable(
                QStringLiteral("A full disk needs a small tmpfs, which this process may not mount (") + why +
                QStringLiteral("); run as root to include this test.")));
    }

    void cleanupTestCase()
    {
#ifdef Q_OS_LINUX
        if (!disk.isEmpty())
            ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH);
#endif
    }

    void init()
    {
        const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : left)
            QFile::remove(disk + QLatin1Char('/') + name);
    }

    void earlierFileKeptAndReasonSaid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Writer>("write");
        QTest::newRow("plan file") << QStringLiteral("plan.dat")
                                   << Writer([](FullDiskTest *test, const QString &path) {
                                          UBModelController::Environment environment;
                                          environment.cacheDirectory = test->disk;
                                          environment.portLister = [] {
                                              return QList<SerialPortCandidate>();
                                          };
                                          UBModelController controller(&test->model, environment);
                                          QSignalSpy errors(&controller, &UBModelController::errorOccured);
                                          controller.saveToFile(QUrl::fromLocalFile(path).toString());
                                          return errors.isEmpty() ? QString() : errors.at(0).at(0).toString();
                                      });
        QTest::newRow("offline cache")
            << QStringLiteral("db.dat") << Writer([](FullDiskTest *test, const QString &) {
                   SqlHandler handler(SqlHandler::defaultConnection(), test->disk);
                   QSignalSpy problems(&handler, &SqlHandler::cacheProblem);
                   SqlHandler::Download download;
                   download.complete = true;
                   download.tables.items[QStringLiteral("Astra 19.2E")] = QVector<TransponderItem>(500);
                   download.tables.params.resize(1);
                   handler.useDownload(download);
                   // The data are there all the same, from the server.
                   if (CatalogueRows::names(handler.catalogue()) !=
                       QStringList{QStringLiteral("Astra 19.2E")})
                       return QStringLiteral("download not used");
                   return problems.isEmpty() ? QString() : problems.at(0).at(0).toString();
               });
        for (const char *const suffix : {"pdf", "png"}) {
            QTest::addRow("installation sheet, %s", suffix)
                << QStringLiteral("sheet.") + QLatin1String(suffix)
                << Writer([suffix](FullDiskTest *, const QString &path) {
                       InstallationSheet sheet(nullptr);
                       sheet.setPlan(BandPlan::defaultPlan());
                       QSignalSpy errors(&sheet, &InstallationSheet::errorOccured);
                       const bool saved =
                           qstrcmp(suffix, "pdf") == 0 ? sheet.savePdf(path) : sheet.savePicture(path);
                       if (saved)
                           return QString();
                       return errors.isEmpty() ? QStringLiteral("nothing said")
                                               : errors.at(0).at(0).toString();
                   });
        }
    }
    void earlierFileKeptAndReasonSaid()
    {
        QFETCH(QString, name);
        QFETCH(Writer, write);
        const QString path = disk + QLatin1Char('/') + name;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(earlier), qint64(earlier.size()));
        }
        QVERIFY(fill());

        const QString said = write(this, path);
        QVERIFY2(said.contains(noSpace), qPrintable(said));
        QVERIFY2(said.contains(QDir::toNativeSeparators(path)), qPrintable(said));
        QCOMPARE(contents(path), earlier);
        // No half-written file beside it.
        QStringList expected{name, QStringLiteral("filler")};
        expected.sort();
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
