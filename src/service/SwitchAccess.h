#pragma once

#include "device/DeviceTransfers.h"
#include "service/Environment.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class SerialPortHandler;

// Finding the switches on the ports and connecting to them, and carrying a
// transfer with a local event loop. Nothing here writes: what went wrong
// comes back as messages for the caller to show.
class SwitchAccess
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    // A switch that answered, ready for transfers.
    struct Connected
    {
        QString port;
        std::unique_ptr<SerialPortHandler> device;
        std::unique_ptr<DeviceTransfers> transfers;
    };
    using Switches = std::vector<std::unique_ptr<Connected>>;

    explicit SwitchAccess(const Environment &environment);

    // The switches found on the listed ports (or on the one given). `notes`
    // gets why the ports could not be listed, `portProblems` one line per
    // port that cannot be used.
    Switches find(const QString &port, QStringList *notes, QStringList *portProblems) const;
    // The only switch there is (or the one on `port`); null with the reasons
    // in `messages`.
    std::unique_ptr<Connected> theOne(const QString &port, QStringList *messages) const;
    // Null when no switch answers there; `problem` then says why the port
    // cannot be used, when it is that.
    std::unique_ptr<Connected> connectTo(const SerialPortCandidate &candidate,
                                         QString *problem = nullptr) const;
    // Runs the transfer `start` begins with a local event loop, until it
    // ends. A refusal before the start throws, as `start` does.
    static DeviceTransfers::Result await(Connected &connected, const std::function<void()> &start);

    // An identification ends within a second; a look that has not ended
    // after this is taken as none.
    static constexpr int lookDeadlineMs = 5000;

private:
    // One look for the switch with `device`, carried by a local event loop;
    // true when it is connected afterwards.
    static bool lookOnce(SerialPortHandler &device);

    const Environment &environment;
};
