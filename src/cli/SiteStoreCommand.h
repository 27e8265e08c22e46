#pragma once

class CommandContext;
struct ToolArguments;

// "fenzo_cli store --site FILE [--label LABEL]": the plan of the entry named,
// or of the entry that holds the switch's serial number, stored into the
// switch and read back, and recorded in the site file. A switch the site
// cannot place hears nothing.
class SiteStoreCommand
{
public:
    explicit SiteStoreCommand(CommandContext &context);

    int run(const ToolArguments &arguments);

private:
    CommandContext &context;
};
