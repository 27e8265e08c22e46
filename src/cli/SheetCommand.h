#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli sheet": the installation sheet of a plan, as a PDF or a picture.
class SheetCommand
{
public:
    explicit SheetCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
