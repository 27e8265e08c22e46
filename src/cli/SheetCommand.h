#pragma once

#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli sheet": the installation sheet of a plan, as a PDF or a picture,
// or a site's sheet as a PDF.
class SheetCommand
{
public:
    explicit SheetCommand(CommandContext &context);

    int run(const ToolArguments &arguments);
    // "sheet --site FILE OUT.pdf": the site's cover, then each switch's sheet.
    int runSite(const ToolArguments &arguments);

private:
    CommandContext &context;
};
