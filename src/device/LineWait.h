#pragma once

#include <QIODevice>

#include <functional>

// Waits on a serial line without stopping the program: the event loop runs
// while the switch takes its time, so the window keeps drawing and answering
// and the line's own reports (data, written bytes, a lost line) arrive as
// they happen. Every wait is bounded by its own deadline.
class LineWait
{
public:
    // Runs the event loop until `done` holds, the line closes or goes, or
    // `ms` have passed. True when `done` held. `done` is asked after each of
    // the line's reports and must not touch a line that may have gone.
    static bool until(QIODevice *line, int ms, const std::function<bool()> &done);
    // The protocol's pause after a command: the event loop runs for `ms`.
    static void pause(int ms);
    // Lets reports that are already due (a line lost while nothing waited on
    // it) arrive, without waiting for anything.
    static void settle();
};
