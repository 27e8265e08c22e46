#include "DownloadChild.h"

#include "ConnectionFailure.h"
#include "DownloadChannel.h"
#include "DownloadTables.h"
#include "SqlHandler.h"
#include "io/ProgramIdentity.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

// AddressSanitizer reserves terabytes of address space at start and takes
// the heap from inside that reservation, so an address-space limit would
// not bound the heap and would break the sanitizer's own mappings: builds
// with it run the child without the limit (the program's deadline still
// ends it).
#if defined(__SANITIZE_ADDRESS__)
#define FENZO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FENZO_ADDRESS_SANITIZER 1
#endif
#endif

namespace {
// Settings are a few hundred bytes.
constexpr qint64 maxSettingsBytes = 64 * 1024;

// The settings could not be read: nothing was asked.
constexpr int badSettingsExit = 2;

bool writeAll(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
#else
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
#endif
}

// Every message goes out at once; a program that no longer listens ends
// the child.
void tell(const QByteArray &message)
{
    if (!writeAll(message))
        std::_Exit(1);
}

void forwardLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    tell(DownloadChannel::message(DownloadChannel::Log, {QByteArray::number(int(type)),
                                                         QByteArray(context.category ? context.category : ""),
                                                         text.toUtf8().left(DownloadChannel::maxLogBytes)}));
}

// The program's categories all speak: what the program's rules let through
// is decided where the lines are logged again.
void enableProgramCategories(QLoggingCategory *category)
{
    if (qstrncmp(category->categoryName(), "fenzo.", 6) == 0) {
        category->setEnabled(QtDebugMsg, true);
        category->setEnabled(QtInfoMsg, true);
    }
}

QByteArray readInput()
{
    QByteArray input;
#ifdef Q_OS_UNIX
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || input.size() + got > maxSettingsBytes)
            return got == 0 ? input : QByteArray();
        input.append(buffer, int(got));
    }
#else
    return input;
#endif
}

// The address space the child may hold: what it holds now (the program and
// its libraries) plus the budget. False where that cannot be set.
bool limitMemory()
{
#if defined(Q_OS_LINUX) && !defined(FENZO_ADDRESS_SANITIZER)
    FILE *status = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    const bool read = status && std::fscanf(status, "%lu", &pages) == 1;
    if (status)
        std::fclose(status);
    if (!read)
        return false;
    const rlim_t now = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE));
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return false;
    const rlim_t wanted = now + rlim_t(DownloadChild::memoryBudget);
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted)
        return true; // a tighter limit holds already
    limit.rlim_cur = wanted;
    limit.rlim_max = wanted;
    return setrlimit(RLIMIT_AS, &limit) == 0;
#else
    return false;
#endif
}

// What the program is told when memory ran out; made while there is some.
QByteArray overBudget;

void memoryExhausted()
{
    writeAll(overBudget);
    std::_Exit(0);
}

SqlHandler::Progress reporting()
{
    SqlHandler::Progress progress;
    progress.opened = [] { tell(DownloadChannel::message(DownloadChannel::Opened, {})); };
    progress.tableListed = [](const QByteArray &name) {
        tell(DownloadChannel::message(DownloadChannel::TableListed, {name}));
    };
    progress.rowRead = [](const QString &table, const QVector<QByteArray> &row) {
        static QString current;
        if (current.isNull() || table != current) {
            current = table;
            tell(DownloadChannel::message(DownloadChannel::TableRows, {table.toUtf8()}));
        }
        tell(DownloadChannel::message(DownloadChannel::Row, row));
    };
    return progress;
}
} // namespace

bool DownloadChild::isCall(int argc, char **argv)
{
    return argc == 2 && std::strcmp(argv[1], childArgument()) == 0;
}

bool DownloadChild::memoryBounded()
{
#if defined(Q_OS_LINUX) && !defined(FENZO_ADDRESS_SANITIZER)
    return true;
#else
    return false;
#endif
}

QString DownloadChild::ownProgram()
{
#ifdef Q_OS_UNIX
    return QCoreApplication::applicationFilePath();
#else
    // The child's bounds are made of Unix means; elsewhere the download
    // stays on a thread with its earlier bounds.
    return QString();
#endif
}

int DownloadChild::run(int argc, char **argv)
{
#ifdef Q_OS_LINUX
    // It ends with the program, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    const bool bounded = limitMemory();
    QCoreApplication application(argc, argv);
    ProgramIdentity::setIdentity();
    ProgramIdentity::installTranslator();
    QLoggingCategory::installFilter(&enableProgramCategories);
    qInstallMessageHandler(&forwardLog);

    SqlHandler::Connection connection;
    if (!DownloadChannel::readSettings(readInput(), &connection))
        return badSettingsExit;
    SqlHandler::Download over;
    over.reason = DownloadTables::tooManyBytes(memoryBudget);
    overBudget = DownloadChannel::outcome(over);
    if (bounded)
        std::set_new_handler(&memoryExhausted);

    SqlHandler::Download result = SqlHandler::download(connection, reporting());
    // The client library says it ran out of memory when the server's
    // answer outgrew the budget.
    if (bounded && result.reason == ConnectionFailure::outOfMemory())
        result.reason = over.reason;
    tell(DownloadChannel::outcome(result));
    return 0;
}
