// The server setting holds a password: its file and the folders made for it
// are the user's alone from the moment they exist, not only once written.

#include "db/ServerSettings.h"
#include "db/SqlHandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t othersBits = S_IRWXG | S_IRWXO;

// Watches folders with inotify on a thread of its own and looks at each
// entry's mode the moment an event about it is read: a file that is created,
// written or changed is seen while the writer goes on, so a file briefly
// open to others is caught as long as it stays so for more than the time
// between the event and the look (a written file is flushed to disk first,
// which takes far longer). Folders created inside a watched one are watched
// as soon as they are seen.
class ModeWatcher
{
public:
    struct Seen
    {
        QString path;
        mode_t mode;
        qint64 size;
    };

    explicit ModeWatcher(const QString &folder)
    {
        descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (descriptor >= 0)
            add(folder);
        thread = std::thread([this] { run(); });
    }
    ~ModeWatcher() { stop(); }
    ModeWatcher(const ModeWatcher &) = delete;
    ModeWatcher &operator=(const ModeWatcher &) = delete;

    bool valid() const { return descriptor >= 0; }
    // Ends the watch once every event already queued is read.
    std::vector<Seen> stop()
    {
        stopping = true;
        if (thread.joinable())
            thread.join();
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
        const std::lock_guard<std::mutex> lock(mutex);
        return seen;
    }

private:
    void add(const QString &folder)
    {
        const int watch = inotify_add_watch(descriptor, QFile::encodeName(folder).constData(),
                                            IN_CREATE | IN_MODIFY | IN_ATTRIB | IN_MOVED_TO | IN_CLOSE_WRITE);
        if (watch >= 0) {
            const std::lock_guard<std::mutex> lock(mutex);
            folders[watch] = folder;
        }
    }

    void run()
    {
        alignas(inotify_event) char buffer[16384];
        bool drained = false;
        while (descriptor >= 0 && !drained) {
            pollfd ready{descriptor, POLLIN, 0};
            const bool last = stopping;
            if (::poll(&ready, 1, 10) <= 0) {
                drained = last;
                continue;
            }
            const ssize_t length = ::read(descriptor, buffer, sizeof buffer);
            for (ssize_t at = 0; at < length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                if (event->len > 0)
                    look(event->wd, QFile::decodeName(event->name), event->mask);
            }
        }
    }

    void look(int watch, const QString &name, uint32_t mask)
    {
        QString folder;
        {
            const std::lock_guard<std::mutex> lock(mutex);
            folder = folders.value(watch);
        }
        const QString path = folder + QLatin1Char('/') + name;
        struct stat status = {};
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return; // gone already (a temporary file renamed)
        if ((mask & IN_ISDIR) && (mask & IN_CREATE))
            add(path);
        const std::lock_guard<std::mutex> lock(mutex);
        seen.push_back({path, mode_t(status.st_mode & 07777), qint64(status.st_size)});
    }

    int descriptor = -1;
    std::atomic<bool> stopping{false};
    std::thread thread;
    std::mutex mutex;
    QHash<int, QString> folders;
    std::vector<Seen> seen;
};

mode_t modeOf(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return mode_t(-1);
    return status.st_mode & 07777;
}

SqlHandler::Connection withPassword()
{
    SqlHandler::Connection connection = SqlHandler::defaultConnection();
    connection.hostName = QStringLiteral("db.example");
    connection.password = QStringLiteral("secret-of-the-user");
    return connection;
}
} // namespace

class tst_ServerSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The user's usual umask: with 077 every file would be private anyway.
        userMask = ::umask(022);
    }
    void cleanupTestCase() { ::umask(userMask); }

    // A fresh HOME: ".config" and the program's folder are made one by one,
    // each private at its creation, and the file holds the password only
    // while it is the user's alone. The lock file beside it holds no setting.
    void privateFromCreation_data()
    {
        QTest::addColumn<QString>("existing"); // folder below HOME made beforehand
        QTest::addColumn<int>("earlierMode");  // of a file left there; 0: none
        QTest::newRow("fresh HOME") << QString() << 0;
        QTest::newRow("folder there, no file") << QStringLiteral(".config/fenzo") << 0;
        QTest::newRow("file left readable by others") << QStringLiteral(".config/fenzo") << 0644;
    }

    void privateFromCreation()
    {
        QFETCH(QString, existing);
        QFETCH(int, earlierMode);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString file = home.filePath(QStringLiteral(".config/fenzo/fenzo_setup.conf"));
        if (!existing.isEmpty())
            QVERIFY(QDir(home.path()).mkpath(existing));
        if (earlierMode != 0) {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            QVERIFY(earlier.write("[FileDialog]\nlastVisited=/tmp\n") > 0);
            earlier.close();
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(earlierMode)) == 0);
        }
        const QString watched = existing.isEmpty() ? home.path() : home.filePath(existing);

        ModeWatcher watcher(watched);
        QVERIFY(watcher.valid());
        QCOMPARE(ServerSettings(file).save(withPassword()), QString());
        const std::vector<ModeWatcher::Seen> seen = watcher.stop();

        bool fileSeen = false;
        for (const ModeWatcher::Seen &entry : seen) {
            if (entry.path.endsWith(QLatin1String(".lock")))
                continue;
            fileSeen = fileSeen || entry.path == file;
            QVERIFY2((entry.mode & othersBits) == 0,
                     qPrintable(QStringLiteral("%1 seen with mode %2 and %3 bytes")
                                    .arg(entry.path, QString::number(entry.mode, 8))
                                    .arg(entry.size)));
        }
        // In a fresh HOME the folders below the first come too fast to be
        // watched before their file is made: their modes are checked below.
        QVERIFY(fileSeen || existing.isEmpty());
        QVERIFY(!seen.empty());
        QCOMPARE(modeOf(file), mode_t(0600));
        if (existing.isEmpty()) {
            QCOMPARE(modeOf(home.filePath(QStringLiteral(".config"))), mode_t(0700));
            QCOMPARE(modeOf(home.filePath(QStringLiteral(".config/fenzo"))), mode_t(0700));
        }
        QCOMPARE(ServerSettings(file).load().password, withPassword().password);
        // The umask is the user's still: other files keep their usual modes.
        const mode_t mask = ::umask(022);
        QCOMPARE(mask, mode_t(022));
    }

private:
    mode_t userMask = 022;
};

QTEST_GUILESS_MAIN(tst_ServerSettings)
#include "tst_serversettings.moc"
