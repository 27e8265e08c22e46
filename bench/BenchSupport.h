// Helpers shared by the benchmark programs.
#pragma once

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Runs tools/devdb/devdb with ARGUMENTS (start, stop, ...); says on stderr
// when it fails.
inline bool runDevdb(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(FENZO_SOURCE_DIR "/tools/devdb/devdb"), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "bench: devdb %s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
        return false;
    }
    return true;
}

// The middle value; -1 (an impossible time) when nothing was measured.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Headless and with the software renderer unless the caller chose otherwise;
// before the application object is made.
inline void preferHeadless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}

} // namespace bench
