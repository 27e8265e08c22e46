#include "app/FenzoApplication.h"
#include "cli/CommandLineTool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {
volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int)
{
    interrupted = 1;
}
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Only the sheet needs fonts; everything else runs without a screen.
    std::unique_ptr<QCoreApplication> app;
    if (CommandLineTool::needsGui(arguments))
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // The debug log ("Writing …") is for developers; standard error carries
    // the tool's messages.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    FenzoApplication::setIdentity();
    FenzoApplication::installTranslator();

    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err);

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
