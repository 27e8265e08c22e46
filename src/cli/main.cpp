#include "io/ProgramIdentity.h"
#include "cli/CommandLineTool.h"
#include "db/DownloadChild.h"
#include "io/LogRing.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <cstdio>
#include <memory>
#include <vector>

namespace {
volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int)
{
    interrupted = 1;
}
} // namespace

int main(int argc, char **argv)
{
    // The satellite download's own process: before anything else exists.
    if (DownloadChild::isCall(argc, argv))
        return DownloadChild::run(argc, argv);
    LogRing log;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Only the sheet needs fonts; everything else runs without a screen. The
    // sheet is drawn into files only, so a workshop machine without a
    // display will do (Windows always has its screen plugin).
    std::vector<char *> guiArguments(argv, argv + argc);
#ifndef Q_OS_WIN
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    guiArguments.push_back(platformOption);
    guiArguments.push_back(offscreen);
#endif
    int guiArgc = int(guiArguments.size());
    guiArguments.push_back(nullptr);
    std::unique_ptr<QCoreApplication> app;
    if (CommandLineTool::needsGui(arguments))
        app = std::make_unique<QGuiApplication>(guiArgc, guiArguments.data());
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // The debug log ("Writing …") is for developers; standard error carries
    // the tool's messages. The log ring still records it for "report".
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    ProgramIdentity::setIdentity();
    ProgramIdentity::installTranslator();

    QTextStream out(stdout);
    QTextStream err(stderr);
    Environment environment = Environment::production();
#ifdef Q_OS_UNIX
    environment.progressOnStandardError = ::isatty(STDERR_FILENO) == 1;
#endif
    CommandLineTool tool(out, err, environment);
    tool.setLog(&log);

    QTimer interruptWatch;
    if (CommandLineTool::waitsForInterrupt(arguments)) {
        std::signal(SIGINT, onInterrupt);
        std::signal(SIGTERM, onInterrupt);
        QObject::connect(&interruptWatch, &QTimer::timeout, &tool, [&tool] {
            if (interrupted)
                tool.stop();
        });
        interruptWatch.start(100);
    }
    return tool.run(arguments);
}
