#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli diff": how a plan and the switch differ.
class DiffCommand
{
public:
    explicit DiffCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
