// switch-sim: the multiswitch on a pseudo-terminal, for tests and development.
// Prints the link path once the device can be opened; ends on SIGTERM/SIGINT
// (removing the link) or after a simulated unplug. Each line on standard input
// is a control message, answered with "ok" or "error: ..." on standard output:
// - "trickle 80", "garbage", "silence", "unplug :CONF:ALL " switch the reply
//   fault (one at a time);
// - read-back faults, which add to each other and to the reply fault:
//   "keep-word N" (a 24-word ":CONF:ALL " is taken except the word at
//   position N, 0..23, UB 0 first, which keeps its old value),
//   "ignore-option NAME" (LTEFILT, STBY or TERRAMP: its set command is logged
//   "ignored" and changes nothing), "ignore-store" (":MEM:WRITE:ALL" is logged
//   "ignored", the stored plan and the --state file stay), "change-reply N"
//   (once a ":CONF:ALL " was taken since power-on, ":CONF:ALL?" replies carry
//   word N changed: a static word's polarisation bit 1 flipped, a dynamic
//   word's line field XOR 1; the working plan stays as taken);
// - "normal" ends the reply fault and clears the read-back faults;
// - "replug" powers the switch off and on (the stored plan becomes the
//   working plan; the faults stay);
// - "reconnect [MS]" (default 1000, at most 60000) unplugs the port as an
//   unplug does, without ending, and after MS ms brings up a new one behind
//   the same link, powered on afresh with the faults kept. Its "ok" comes once
//   the link is back; later messages wait for it.

#include "SwitchSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
int quitPipe[2] = {-1, -1};

void requestQuit(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto ignored = ::write(quitPipe[1], &byte, 1);
}

// C-style escapes: \n \r \t \\ \xHH; "\|" stays for the simulator (a literal bar).
QByteArray unescape(const QString &text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] != '\\' || i + 1 >= in.size()) {
            out += in[i];
            continue;
        }
        const char c = in[++i];
        if (c == 'n')
            out += '\n';
        else if (c == 'r')
            out += '\r';
        else if (c == 't')
            out += '\t';
        else if (c == '\\')
            out += '\\';
        else if (c == 'x' && i + 2 < in.size()) {
            out += char(in.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += '\\';
            out += c;
        }
    }
    return out;
}

bool toCount(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Multiswitch simulator on a pseudo-terminal.\n"
        "Control messages on standard input, answered \"ok\" or \"error: ...\":\n"
        "  trickle MS | garbage | silence | unplug TEXT   the reply fault, one at a time\n"
        "  keep-word N | ignore-option NAME | ignore-store | change-reply N\n"
        "                                   read-back faults, as the options of the same names\n"
        "  normal                           no reply fault, read-back faults cleared\n"
        "  replug                           power off and on: the stored plan is the working plan\n"
        "  reconnect [MS]                   the port goes and comes back after MS ms (default\n"
        "                                   1000), powered on afresh; \"ok\" once it is back"));
    parser.addHelpOption();
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Path of the link to the port."),
                                  QStringLiteral("path"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Serial number."),
                                    QStringLiteral("text"));
    const QCommandLineOption state(
        QStringLiteral("state"),
        QStringLiteral("File of the stored plan (:MEM:WRITE:ALL), the working plan at start."),
        QStringLiteral("file"));
    const QCommandLineOption logFile(QStringLiteral("log"), QStringLiteral("Log of every received line."),
                                     QStringLiteral("file"));
    const QCommandLineOption maker(QStringLiteral("maker"), QStringLiteral("Maker field of *IDN?."),
                                   QStringLiteral("text"));
    const QCommandLineOption idn(QStringLiteral("idn"), QStringLiteral("Whole *IDN? reply (without LF)."),
                                 QStringLiteral("text"));
    const QCommandLineOption reply(QStringLiteral("reply"),
                                   QStringLiteral("Raw reply to one command, with escapes; '|' pauses. "
                                                  "Repeatable."),
                                   QStringLiteral("command=bytes"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer (silence)."));
    const QCommandLineOption trickle(QStringLiteral("trickle"),
                                     QStringLiteral("Answer queries with one byte every n ms, without end "
                                                    "and without LF."),
                                     QStringLiteral("ms"));
    const QCommandLineOption unplugOn(
        QStringLiteral("unplug-on"), QStringLiteral("Close the line when a line starting with this arrives."),
        QStringLiteral("text"));
    const QCommandLineOption late(QStringLiteral("late"),
                                  QStringLiteral("Answer the first of these queries only after a delay."),
                                  QStringLiteral("command=ms"));
    const QCommandLineOption noLf(QStringLiteral("no-lf"), QStringLiteral("Replies without their LF."));
    const QCommandLineOption garbage(QStringLiteral("garbage"),
                                     QStringLiteral("Answer every query with random bytes and LF."));
    const QCommandLineOption chunk(QStringLiteral("chunk"),
                                   QStringLiteral("Send replies in pieces of n bytes."), QStringLiteral("n"));
    const QCommandLineOption chunkPause(QStringLiteral("chunk-pause"),
                                        QStringLiteral("Pause between pieces (default 40)."),
                                        QStringLiteral("ms"));
    const QCommandLineOption words(QStringLiteral("words"),
                                   QStringLiteral("Number of words in :CONF:ALL? replies (default 24)."),
                                   QStringLiteral("n"));
    const QCommandLineOption zeros(QStringLiteral("extra-zeros"),
                                   QStringLiteral("Extra \"0\" fields in :CONF:ALL? replies."),
                                   QStringLiteral("n"));
    const QCommandLineOption commas(QStringLiteral("trailing-commas"),
                                    QStringLiteral("Commas at the end of :CONF:ALL? replies."),
                                    QStringLiteral("n"));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("Answer only after a delay."),
                                   QStringLiteral("ms"));
    const QCommandLineOption unplugAfter(QStringLiteral("unplug-after"),
                                         QStringLiteral("Close the line after n commands."),
                                         QStringLiteral("n"));
    const QCommandLineOption muteFirst(QStringLiteral("mute-first"),
                                       QStringLiteral("Leave the first n queries after *IDN? unanswered."),
                                       QStringLiteral("n"));
    const QCommandLineOption unplugDelay(
        QStringLiteral("unplug-delay"),
        QStringLiteral("Time from the last command to the unplug (default 300)."), QStringLiteral("ms"));
    const QCommandLineOption keepWord(
        QStringLiteral("keep-word"),
        QStringLiteral("Take a 24-word :CONF:ALL except the word at this position (0..23, UB 0 first), "
                       "which keeps its old value."),
        QStringLiteral("n"));
    const QCommandLineOption ignoreOption(
        QStringLiteral("ignore-option"),
        QStringLiteral("Log this option's set command as ignored and leave the option (LTEFILT, STBY or "
                       "TERRAMP). Repeatable."),
        QStringLiteral("name"));
    const QCommandLineOption ignoreStore(
        QStringLiteral("ignore-store"),
        QStringLiteral("Log :MEM:WRITE:ALL as ignored and leave the stored plan and the state file."));
    const QCommandLineOption changeReply(
        QStringLiteral("change-reply"),
        QStringLiteral(
            "Once a :CONF:ALL was taken since power-on, answer :CONF:ALL? with the word at this "
            "position (0..23) changed: a static word's polarisation, a dynamic word's line XOR 1."),
        QStringLiteral("n"));
    const QCommandLineOption exitWithParent(
        QStringLiteral("exit-with-parent"),
        QStringLiteral("End when the starting process ends, however it ends."));
    parser.addOptions({exitWithParent, link,   serial,   state,        logFile,     maker,      idn,
                       reply,          silent, noLf,     garbage,      chunk,       chunkPause, words,
                       zeros,          commas, delay,    unplugAfter,  unplugDelay, muteFirst,  trickle,
                       unplugOn,       late,   keepWord, ignoreOption, ignoreStore, changeReply});
    parser.process(app);

    SwitchSimulator::Options options;
    options.linkPath = parser.value(link);
    if (options.linkPath.isEmpty()) {
        std::fprintf(stderr, "switch-sim: --link is required\n");
        return 2;
    }
    if (parser.isSet(serial))
        options.serialNumber = parser.value(serial);
    options.statePath = parser.value(state);
    options.logPath = parser.value(logFile);
    if (parser.isSet(maker))
        options.maker = parser.value(maker);
    options.identification = parser.value(idn);
    for (const QString &entry : parser.values(reply)) {
        const int equals = entry.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            std::fprintf(stderr, "switch-sim: --reply needs command=bytes\n");
            return 2;
        }
        options.replies.insert(entry.left(equals), unescape(entry.mid(equals + 1)));
    }
    options.silent = parser.isSet(silent);
    options.noLf = parser.isSet(noLf);
    options.garbage = parser.isSet(garbage);
    options.unplugOn = parser.value(unplugOn).toLatin1();
    if (parser.isSet(late)) {
        const QString entry = parser.value(late);
        const int equals = entry.lastIndexOf(QLatin1Char('='));
        if (equals <= 0 || !toCount(entry.mid(equals + 1), options.lateMs)) {
            std::fprintf(stderr, "switch-sim: --late needs command=ms\n");
            return 2;
        }
        options.lateCommand = entry.left(equals);
    }
    const std::initializer_list<std::pair<const QCommandLineOption &, int &>> counts = {
        {chunk, options.chunkBytes},
        {chunkPause, options.chunkPauseMs},
        {words, options.words},
        {zeros, options.extraZeros},
        {commas, options.trailingCommas},
        {delay, options.delayMs},
        {unplugAfter, options.unplugAfter},
        {unplugDelay, options.unplugDelayMs},
        {muteFirst, options.muteFirst},
        {trickle, options.trickleMs}};
    for (const auto &count : counts) {
        if (parser.isSet(count.first) && !toCount(parser.value(count.first), count.second)) {
            std::fprintf(stderr, "switch-sim: --%s needs a number\n",
                         qPrintable(count.first.names().first()));
            return 2;
        }
    }

    // The read-back faults.
    for (const auto &position :
         {std::make_pair(&keepWord, &options.keepWord), std::make_pair(&changeReply, &options.changeReply)}) {
        if (parser.isSet(*position.first) &&
            !SwitchSimulator::toPosition(parser.value(*position.first), *position.second)) {
            std::fprintf(stderr, "switch-sim: --%s needs a position 0..%d\n",
                         qPrintable(position.first->names().first()), SwitchSimulator::planSize - 1);
            return 2;
        }
    }
    for (const QString &name : parser.values(ignoreOption)) {
        if (!SwitchSimulator::optionNames().contains(name)) {
            std::fprintf(stderr, "switch-sim: --ignore-option needs LTEFILT, STBY or TERRAMP\n");
            return 2;
        }
        if (!options.ignoredOptions.contains(name))
            options.ignoredOptions << name;
    }
    options.ignoreStore = parser.isSet(ignoreStore);

    if (::pipe(quitPipe) != 0) {
        std::perror("switch-sim: pipe");
        return 1;
    }
    QSocketNotifier quitNotifier(quitPipe[0], QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, requestQuit);
    std::signal(SIGINT, requestQuit);
    std::signal(SIGHUP, requestQuit);
    if (parser.isSet(exitWithParent)) {
        // A test that dies without cleaning up must not leave us behind.
        const pid_t parent = ::getppid();
        if (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent)
            return 1;
    }

    SwitchSimulator simulator(options);
    QObject::connect(&simulator, &SwitchSimulator::unplugged, &app, &QCoreApplication::quit);
    QString error;
    if (!simulator.start(error)) {
        std::fprintf(stderr, "switch-sim: %s\n", qPrintable(error));
        return 1;
    }
    // Control messages on standard input; at its end none come any more.
    QSocketNotifier controlNotifier(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray controlInput;
    const auto answer = [](const QString &error) {
        if (error.isEmpty())
            std::printf("ok\n");
        else
            std::printf("error: %s\n", qPrintable(error));
        std::fflush(stdout);
    };
    // A reconnect is answered when it is done; the messages after it wait,
    // so that the answers keep their order.
    const auto takeMessages = [&] {
        int end;
        while (!simulator.isReconnecting() && (end = controlInput.indexOf('\n')) >= 0) {
            const QString message = QString::fromUtf8(controlInput.left(end));
            controlInput.remove(0, end + 1);
            QString controlError;
            if (!simulator.control(message, controlError))
                answer(controlError.isEmpty() ? QStringLiteral("not understood") : controlError);
            else if (!simulator.isReconnecting())
                answer(QString());
        }
    };
    QObject::connect(&simulator, &SwitchSimulator::reconnected, &app, [&](const QString &error) {
        answer(error);
        takeMessages();
    });
    QObject::connect(&controlNotifier, &QSocketNotifier::activated, &app, [&] {
        char buffer[1024];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            controlNotifier.setEnabled(false);
            return;
        }
        controlInput.append(buffer, int(n));
        takeMessages();
    });

    std::printf("%s\n", qPrintable(options.linkPath));
    std::fflush(stdout);
    return app.exec();
}
