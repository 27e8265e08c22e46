#pragma once

#include <QString>
#include <QtGlobal>

// The satellite download in a process of its own: the window's or the
// tool's program started again with childArgument() (SatelliteDownload does
// it). Whatever the server sends, the child holds at most its own size plus
// memoryBudget: a server that floods it with column descriptions or rows,
// which the client library reads whole before the program sees any, ends
// the child, not the program; and a child stuck in a name look-up, which no
// thread could be stopped in, is simply killed. The connection settings come
// on its standard input, never in its arguments or environment; it answers
// on its standard output (see DownloadChannel).
class DownloadChild
{
public:
    static constexpr qint64 memoryBudget = 128 * 1024 * 1024;

    static const char *childArgument() { return "--satellite-download-process"; }
    // Whether `main` was started as the child; checked before any
    // application object exists.
    static bool isCall(int argc, char **argv);
    // The child's whole life; the value `main` returns.
    static int run(int argc, char **argv);
    // Whether this build bounds the child's memory (see limitMemory()).
    static bool memoryBounded();
    // The program that runs the download here, the caller's own; empty
    // where downloads run on a thread of the program instead.
    static QString ownProgram();
};
