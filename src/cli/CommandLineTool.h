#pragma once

#include "CommandContext.h"
#include "ToolOutput.h"
#include "WorkshopMode.h"
#include "service/Environment.h"

#include <QObject>
#include <QStringList>
#include <QTextStream>

#include <optional>

class LogRing;
struct ToolArguments;

// fenzo_cli: the window's transfers from a shell. Results go to `out`,
// messages to `err`; run() returns the exit status.
class CommandLineTool : public QObject
{
    Q_OBJECT

public:
    enum ExitStatus
    {
        Success = 0,
        Different = 1,
        Failure = 2
    };

    using Environment = ::Environment;

    CommandLineTool(QTextStream &out, QTextStream &err, Environment environment = Environment(),
                    QObject *parent = nullptr);
    ~CommandLineTool() override;

    // The arguments without the program's name.
    int run(const QStringList &arguments);

    // Workshop mode runs until it is interrupted; the other commands end by
    // themselves.
    static bool waitsForInterrupt(const QStringList &arguments);
    // Whether a command draws on the screen's fonts (the sheet does).
    static bool needsGui(const QStringList &arguments);

    // The window's texts about the satellite data, with the tool's remedy.
    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

    // The recent log lines that "report" writes; none without a ring.
    void setLog(const LogRing *ring);

    // How often workshop mode looks for newly plugged switches.
    static constexpr int workshopPollMs = 500;

signals:
    // Workshop mode: one switch has been dealt with.
    void switchHandled(const QString &line);

public slots:
    // Ends workshop mode.
    void stop();

private:
    int help();
    // The forms with --site: "store --site", "store --each --site",
    // "sheet --site"; none when the arguments have no --site.
    std::optional<int> site(const ToolArguments &arguments);
    // "transponder add|list|remove": the own transponders.
    int transponder(const QStringList &arguments);

    ToolOutput output;
    Environment environment;
    CommandContext context;
    // Holds the switches it met until the tool ends.
    WorkshopMode workshop;
};
