#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli read": the switch's plan into a settings file.
class ReadCommand
{
public:
    explicit ReadCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
