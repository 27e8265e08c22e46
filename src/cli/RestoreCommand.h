#pragma once

#include <QCoreApplication>
#include <QString>

class CommandContext;
struct DeviceReplies;
struct ToolArguments;

// "fenzo_cli restore": a backup sent back and stored, a settings file as "store"
// does, or the switch's replies word for word.
class RestoreCommand
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    explicit RestoreCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

    // What the tool says of a replies file larger than the replies of a
    // switch can be.
    static QString tooLargeMessage(const QString &path);

private:
    // The replies in the file at `path`; false when they cannot be read,
    // the reason shown.
    bool readReplies(const QString &path, DeviceReplies &replies);

    CommandContext &context;
};
