#pragma once

#include "Environment.h"
#include "SwitchTransfers.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class SerialPortHandler;

// Finding the switches on the ports and connecting to them, and carrying a
// transfer with a local event loop, for the tool. Nothing here writes: what
// went wrong comes back as messages for the caller to show.
class SwitchAccess
{
    Q_DECLARE_TR_FUNCTIONS(SwitchAccess)

public:
    // A switch that answered, ready for transfers.
    struct Connected
    {
        QString port;
        std::unique_ptr<SerialPortHandler> device;
        std::unique_ptr<SwitchTransfers> transfers;
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
    static TransferEnd await(Connected &connected, const std::function<void()> &start);
    // The opening every transfer on the one switch shares: `prepared` first
    // (false ends it; it tells its own reasons), then the one switch (or the
    // one on `port`), handed to `found`, then the transfer `start` begins,
    // awaited. Its end when it ended done; otherwise none, with the reasons
    // in `messages`, one a line.
    std::optional<TransferEnd> transferOnTheOne(const QString &port, const std::function<bool()> &prepared,
                                                const std::function<void(Connected &)> &found,
                                                const std::function<void(SwitchTransfers &)> &start,
                                                QStringList *messages) const;

    // An identification ends within a second; a look that has not ended
    // after this is taken as none.
    static constexpr int lookDeadlineMs = 5000;

private:
    // One look for the switch with `device`, carried by a local event loop;
    // true when it is connected afterwards.
    static bool lookOnce(SerialPortHandler &device);

    const Environment &environment;
};
