#include "SwitchSimulator.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
// A valid dynamic word for UB n on line n % 4, as the device holds it before
// anything was configured.
QString defaultWord(quint32 ub)
{
    const quint32 r = ub % 15 + 1;
    const quint32 line = ub % 4;
    const quint32 b = (ub * 8) % 256;
    const quint32 k = ((r + line + b) / 2) & 0xFF;
    return QString::number(k << 24 | b << 16 | line << 8 | r);
}

bool isWord(const QString &text)
{
    if (text.isEmpty() || text.size() > 10)
        return false;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    }
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

QByteArray printable(const QByteArray &line)
{
    QByteArray out;
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '\\')
            out += c;
        else
            out += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
    }
    return out;
}

// The same word as the switch's read-back would get it wrong: a static word
// (top bit set) with the other polarisation, a dynamic one on the next line.
QString changedWord(const QString &text)
{
    const quint32 word = text.toUInt();
    const bool isStatic = (word & 0x80000000u) != 0;
    return QString::number(isStatic ? word ^ 0x2u : word ^ (1u << 8));
}
} // namespace

const QStringList &SwitchSimulator::optionNames()
{
    static const QStringList names{QStringLiteral("LTEFILT"), QStringLiteral("STBY"),
                                   QStringLiteral("TERRAMP")};
    return names;
}

bool SwitchSimulator::toPosition(const QString &text, int &position)
{
    bool ok = false;
    position = text.toInt(&ok);
    return ok && position >= 0 && position < planSize;
}

SwitchSimulator::SwitchSimulator(Options options, QObject *parent)
    : QObject(parent), options(std::move(options))
{
    for (int i = 0; i < planSize; ++i)
        stored.codeWords << defaultWord(quint32(i));
    working = stored;
    outputTimer.setSingleShot(true);
    connect(&outputTimer, &QTimer::timeout, this, &SwitchSimulator::sendNext);
    reconnectTimer.setSingleShot(true);
    reconnectTimer.setTimerType(Qt::PreciseTimer);
    connect(&reconnectTimer, &QTimer::timeout, this, &SwitchSimulator::finishReconnect);
    connect(&trickleTimer, &QTimer::timeout, this, &SwitchSimulator::trickle);
}

SwitchSimulator::~SwitchSimulator()
{
    notifier.reset();
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
    if (!options.linkPath.isEmpty())
        QFile::remove(options.linkPath);
}

bool SwitchSimulator::start(QString &error)
{
    if (!options.logPath.isEmpty()) {
        log.setFileName(options.logPath);
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            error = QStringLiteral("cannot open the log file %1: %2").arg(options.logPath, log.errorString());
            return false;
        }
    }
    if (!options.statePath.isEmpty() && QFileInfo::exists(options.statePath) && !loadState()) {
        error = QStringLiteral("cannot read the state file %1").arg(options.statePath);
        return false;
    }
    powerOn();
    return openPort(error);
}

void SwitchSimulator::powerOn()
{
    // The switch works with what it has stored and has taken no plan yet.
    working = stored;
    configurationTaken = false;
}

bool SwitchSimulator::openPort(QString &error)
{
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        error = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // The slave stays open here so that reads on the master do not fail
    // while no program has the port open.
    termios settings{};
    if (::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(slave, TCSANOW, &settings);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    // On failure the pair goes again (a reconnect that fails leaves none).
    const auto closePair = [this] {
        ::close(master);
        ::close(slave);
        master = slave = -1;
    };

    // A link left behind by a killed simulator is replaced; anything else
    // at the path is not ours to remove.
    const QFileInfo link(options.linkPath);
    if (link.exists() || link.isSymLink()) {
        if (!link.isSymLink()) {
            error = QStringLiteral("%1 exists and is not a symbolic link").arg(options.linkPath);
            closePair();
            return false;
        }
    }
    const QString temporary = options.linkPath + QStringLiteral(".new");
    QFile::remove(temporary);
    if (::symlink(name, QFile::encodeName(temporary).constData()) != 0 ||
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(options.linkPath).constData()) !=
            0) {
        error = QStringLiteral("cannot create the link %1: %2")
                    .arg(options.linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(temporary);
        closePair();
        return false;
    }

    notifier = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SwitchSimulator::readInput);
    return true;
}

void SwitchSimulator::readInput()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) {
            input.append(buffer, int(n));
            continue;
        }
        // EIO: no program has the slave open any more; wait for the next.
        break;
    }
    int end;
    while ((end = input.indexOf('\n')) >= 0) {
        const QByteArray line = input.left(end);
        input.remove(0, end + 1);
        handleLine(line);
    }
}

bool SwitchSimulator::control(const QString &message, QString &error)
{
    const QString word = message.section(QLatin1Char(' '), 0, 0);
    const QString argument = message.section(QLatin1Char(' '), 1);
    if (reconnecting) {
        error = QStringLiteral("reconnecting");
        return false;
    }
    if (message == QLatin1String("replug")) {
        powerOn();
        logLine(QByteArray(), QStringLiteral("replugged: working with the stored plan"));
        return true;
    }
    if (word == QLatin1String("reconnect"))
        return startReconnect(argument, error);
    if (word == QLatin1String("keep-word") || word == QLatin1String("ignore-option") ||
        word == QLatin1String("ignore-store") || word == QLatin1String("change-reply")) {
        if (!setReadBackFault(word, argument, error))
            return false;
        logLine(QByteArray(), QStringLiteral("fault: ") + message);
        return true;
    }
    int trickleMs = 0;
    if (word == QLatin1String("trickle")) {
        bool ok = false;
        trickleMs = argument.toInt(&ok);
        if (!ok || trickleMs <= 0) {
            error = QStringLiteral("trickle needs a time in ms");
            return false;
        }
    } else if (word == QLatin1String("unplug") && argument.isEmpty()) {
        error = QStringLiteral("unplug needs the start of a line");
        return false;
    } else if (word != QLatin1String("garbage") && word != QLatin1String("silence") &&
               word != QLatin1String("normal") && word != QLatin1String("unplug")) {
        error = QStringLiteral("unknown control message: %1").arg(message);
        return false;
    }
    // One fault at a time.
    trickleTimer.stop();
    options.trickleMs = trickleMs;
    options.garbage = word == QLatin1String("garbage");
    options.silent = word == QLatin1String("silence");
    options.unplugOn = word == QLatin1String("unplug") ? argument.toLatin1() : QByteArray();
    if (word == QLatin1String("normal")) {
        options.keepWord = -1;
        options.ignoredOptions.clear();
        options.ignoreStore = false;
        options.changeReply = -1;
    }
    logLine(QByteArray(), QStringLiteral("fault: ") + message);
    return true;
}

// The read-back faults add to each other; only "normal" clears them.
bool SwitchSimulator::setReadBackFault(const QString &word, const QString &argument, QString &error)
{
    if (word == QLatin1String("ignore-store")) {
        if (!argument.isEmpty()) {
            error = QStringLiteral("ignore-store takes no argument");
            return false;
        }
        options.ignoreStore = true;
        return true;
    }
    if (word == QLatin1String("ignore-option")) {
        if (!optionNames().contains(argument)) {
            error = QStringLiteral("ignore-option needs LTEFILT, STBY or TERRAMP");
            return false;
        }
        if (!options.ignoredOptions.contains(argument))
            options.ignoredOptions << argument;
        return true;
    }
    int position = -1;
    if (!toPosition(argument, position)) {
        error = QStringLiteral("%1 needs a position 0..%2").arg(word).arg(planSize - 1);
        return false;
    }
    (word == QLatin1String("keep-word") ? options.keepWord : options.changeReply) = position;
    return true;
}

bool SwitchSimulator::startReconnect(const QString &argument, QString &error)
{
    bool ok = true;
    const int ms = argument.isEmpty() ? 1000 : argument.toInt(&ok);
    if (!ok || ms < 0 || ms > maxReconnectMs) {
        error = QStringLiteral("reconnect needs a time of 0..%1 ms").arg(maxReconnectMs);
        return false;
    }
    // Whatever was on its way goes with the port.
    trickleTimer.stop();
    outputTimer.stop();
    output.clear();
    input.clear();
    logLine(QByteArray(), QStringLiteral("unplugged for %1 ms").arg(ms));
    closePort();
    reconnecting = true;
    reconnectTimer.start(ms);
    return true;
}

void SwitchSimulator::finishReconnect()
{
    reconnecting = false;
    powerOn();
    QString error;
    if (!openPort(error)) {
        logLine(QByteArray(), QStringLiteral("cannot reconnect: ") + error);
        emit reconnected(error);
        // Without a port the switch is gone for good.
        emit unplugged();
        return;
    }
    logLine(QByteArray(), QStringLiteral("reconnected: working with the stored plan"));
    emit reconnected(QString());
}

void SwitchSimulator::handleLine(const QByteArray &line)
{
    if (unplugPending)
        return;
    if (!options.unplugOn.isEmpty() && line.startsWith(options.unplugOn)) {
        // Pulled while the line came in: it is not taken.
        logLine(line, QStringLiteral("unplugged on arrival"));
        unplugPending = true;
        unplug();
        return;
    }
    ++commandCount;
    const QString command = QString::fromLatin1(line);
    QByteArray reply;
    QString note;
    if (options.replies.contains(command)) {
        reply = options.replies.value(command);
        note = QStringLiteral("scripted reply");
    } else if (command.endsWith(QLatin1Char('?')) && command != QLatin1String("*IDN?") &&
               mutedQueries < options.muteFirst) {
        ++mutedQueries;
        note = QStringLiteral("muted");
    } else if (command.endsWith(QLatin1Char('?'))) {
        reply = answer(command);
        if (reply.isNull())
            note = QStringLiteral("unknown query");
    } else {
        note = applySet(command);
    }
    logLine(line, note);

    if (!reply.isNull() && options.trickleMs > 0) {
        // The new query's answer replaces what was trickling.
        trickleBytes = reply.isEmpty() ? QByteArray("?") : reply;
        tricklePosition = 0;
        trickleTimer.start(options.trickleMs);
    } else if (!reply.isNull() && !options.silent) {
        if (!options.replies.contains(command)) {
            if (options.garbage) {
                reply.clear();
                const int length = QRandomGenerator::global()->bounded(1, 33);
                while (reply.size() < length) {
                    const char c = char(QRandomGenerator::global()->bounded(256));
                    if (c != '\n')
                        reply += c;
                }
            }
            if (!options.noLf)
                reply += '\n';
        }
        if (command == options.lateCommand && !lateDone) {
            lateDone = true;
            output << Piece{options.lateMs, reply};
            if (!outputTimer.isActive())
                sendNext();
        } else {
            queueReply(reply);
        }
    }
    if (options.unplugAfter > 0 && commandCount >= options.unplugAfter) {
        unplugPending = true;
        QTimer::singleShot(options.unplugDelayMs, this, &SwitchSimulator::unplug);
    }
}

QByteArray SwitchSimulator::answer(const QString &command)
{
    const auto onOff = [](bool on) { return on ? QByteArray("ON") : QByteArray("OFF"); };
    if (command == QLatin1String("*IDN?")) {
        if (!options.identification.isEmpty())
            return options.identification.toUtf8();
        return QStringList{options.maker, options.model, options.serialNumber, options.firmware}
            .join(QLatin1Char(','))
            .toUtf8();
    }
    if (command == QLatin1String(":CONF:LTEFILT?"))
        return onOff(working.lteFilter);
    if (command == QLatin1String(":CONF:STBY?"))
        return onOff(working.standBy);
    if (command == QLatin1String(":CONF:TERRAMP?"))
        return onOff(working.terrestrial);
    if (command == QLatin1String(":CONF:ALL?"))
        return configurationReply();
    return QByteArray();
}

QByteArray SwitchSimulator::configurationReply() const
{
    QStringList plan = working.codeWords;
    if (configurationTaken && options.changeReply >= 0)
        plan[options.changeReply] = changedWord(plan.at(options.changeReply));
    QStringList words = plan.mid(0, qMax(0, options.words));
    for (int ub = planSize; words.size() < options.words; ++ub)
        words << defaultWord(quint32(ub % planSize));
    // Zero fields are spread over the line: at its start and after words.
    for (int i = 0; i < options.extraZeros; ++i)
        words.insert(qMin(words.size(), 2 * i), QStringLiteral("0"));
    QByteArray reply = words.join(QLatin1Char(',')).toLatin1();
    reply += QByteArray(options.trailingCommas, ',');
    return reply;
}

// Takes a set command; returns the log's note on it.
QString SwitchSimulator::applySet(const QString &command)
{
    QString note;
    const auto setSwitch = [&](const QString &name, bool &value) {
        const QString keyword = QStringLiteral(":CONF:") + name;
        if (!command.startsWith(keyword + QLatin1Char(' ')))
            return false;
        if (options.ignoredOptions.contains(name)) {
            note = QStringLiteral("ignored");
            return true;
        }
        const QString argument = command.mid(keyword.size() + 1);
        if (argument == QLatin1String("ON"))
            value = true;
        else if (argument == QLatin1String("OFF"))
            value = false;
        return true;
    };
    if (setSwitch(QStringLiteral("LTEFILT"), working.lteFilter) ||
        setSwitch(QStringLiteral("STBY"), working.standBy) ||
        setSwitch(QStringLiteral("TERRAMP"), working.terrestrial))
        return note;
    if (command.startsWith(QLatin1String(":CONF:ALL "))) {
        const QStringList words = command.mid(10).split(QLatin1Char(','));
        if (words.size() != planSize || !std::all_of(words.begin(), words.end(), isWord))
            return note;
        const int kept = options.keepWord;
        const QString old = kept >= 0 ? working.codeWords.at(kept) : QString();
        working.codeWords = words;
        configurationTaken = true;
        if (kept >= 0) {
            working.codeWords[kept] = old;
            note = QStringLiteral("word %1 kept").arg(kept);
        }
        return note;
    }
    if (command == QLatin1String(":MEM:WRITE:ALL")) {
        if (options.ignoreStore)
            return QStringLiteral("ignored");
        stored = working;
        if (!options.statePath.isEmpty() && !saveState())
            logLine(QByteArray(), QStringLiteral("cannot write the state file"));
    }
    return note;
}

void SwitchSimulator::queueReply(QByteArray reply)
{
    QList<QByteArray> pieces;
    // Scripted replies mark their own pauses with '|' ("\|" is a bar).
    QByteArray current;
    for (int i = 0; i < reply.size(); ++i) {
        if (reply[i] == '\\' && i + 1 < reply.size() && reply[i + 1] == '|') {
            current += '|';
            ++i;
        } else if (reply[i] == '|') {
            pieces << current;
            current.clear();
        } else {
            current += reply[i];
        }
    }
    pieces << current;
    if (options.chunkBytes > 0) {
        QList<QByteArray> split;
        for (const QByteArray &piece : qAsConst(pieces)) {
            for (int i = 0; i < piece.size(); i += options.chunkBytes)
                split << piece.mid(i, options.chunkBytes);
        }
        pieces = split;
    }
    for (int i = 0; i < pieces.size(); ++i)
        output << Piece{i == 0 ? options.delayMs : options.chunkPauseMs, pieces[i]};
    if (!outputTimer.isActive())
        sendNext();
}

void SwitchSimulator::sendNext()
{
    while (!output.isEmpty()) {
        Piece &next = output.first();
        if (next.delayMs > 0) {
            outputTimer.start(next.delayMs);
            next.delayMs = 0;
            return;
        }
        writeAll(output.takeFirst().bytes);
    }
}

void SwitchSimulator::writeAll(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            ::usleep(1000);
        } else {
            return;
        }
    }
}

void SwitchSimulator::trickle()
{
    // Dropped when nobody reads the port and its buffer is full.
    const char byte = trickleBytes.at(tricklePosition++ % trickleBytes.size());
    if (master >= 0) {
        [[maybe_unused]] const auto ignored = ::write(master, &byte, 1);
    }
}

void SwitchSimulator::unplug()
{
    trickleTimer.stop();
    logLine(QByteArray(), QStringLiteral("unplugged"));
    closePort();
    emit unplugged();
}

// Both ends closed: a program holding the port loses it, as when the cable
// is pulled.
void SwitchSimulator::closePort()
{
    notifier.reset();
    QFile::remove(options.linkPath);
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
    master = slave = -1;
}

void SwitchSimulator::logLine(const QByteArray &line, const QString &note)
{
    if (!log.isOpen())
        return;
    QByteArray entry =
        QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1() + '\t' + printable(line);
    if (!note.isEmpty())
        entry += "\t# " + note.toUtf8();
    log.write(entry + '\n');
    log.flush();
}

// State file, the stored plan: one "KEY VALUE" line each for the three
// switches and the words.
bool SwitchSimulator::loadState()
{
    QFile file(options.statePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        const QString key = line.section(QLatin1Char(' '), 0, 0);
        const QString value = line.section(QLatin1Char(' '), 1);
        if (key == QLatin1String("LTEFILT"))
            stored.lteFilter = value == QLatin1String("ON");
        else if (key == QLatin1String("STBY"))
            stored.standBy = value == QLatin1String("ON");
        else if (key == QLatin1String("TERRAMP"))
            stored.terrestrial = value == QLatin1String("ON");
        else if (key == QLatin1String("ALL")) {
            const QStringList words = value.split(QLatin1Char(','));
            if (words.size() != planSize || !std::all_of(words.begin(), words.end(), isWord))
                return false;
            stored.codeWords = words;
        }
    }
    return in.status() == QTextStream::Ok;
}

bool SwitchSimulator::saveState()
{
    QSaveFile file(options.statePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const auto onOff = [](bool on) { return on ? QByteArray("ON") : QByteArray("OFF"); };
    file.write("LTEFILT " + onOff(stored.lteFilter) + "\nSTBY " + onOff(stored.standBy) + "\nTERRAMP " +
               onOff(stored.terrestrial) + "\nALL " + stored.codeWords.join(QLatin1Char(',')).toLatin1() +
               '\n');
    return file.commit();
}
