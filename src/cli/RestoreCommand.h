#pragma once

#include <QCoreApplication>
#include <QString>

class CommandContext;
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

private:
    CommandContext &context;
};
