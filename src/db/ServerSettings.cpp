#include "ServerSettings.h"

#include "io/LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const QString group = QStringLiteral("server");
const QString hostKey = QStringLiteral("host");
const QString portKey = QStringLiteral("port");
const QString databaseKey = QStringLiteral("database");
const QString userKey = QStringLiteral("user");
const QString passwordKey = QStringLiteral("password");
const QString caFileKey = QStringLiteral("caFile");
const QString requireTlsKey = QStringLiteral("requireTls");

// Letters, digits, dots, dashes and underscores make a name; colons an
// IPv6 address. Anything else (a blank, a slash) is a typing error.
bool hostCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char(':');
}
} // namespace

ServerSettings::ServerSettings(QString filePath) : filePath(std::move(filePath)) {}

std::unique_ptr<QSettings> ServerSettings::open() const
{
    auto settings = filePath.isEmpty() ? std::make_unique<QSettings>()
                                       : std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    // The registry (Windows) has no file to restrict.
    if (!settings->fileName().startsWith(QLatin1String("\\HKEY")))
        prepareFile(settings->fileName());
    return settings;
}

void ServerSettings::prepareFile(const QString &path)
{
    // The file will hold a password: it exists for the user alone before a
    // byte is in it, in folders made for the user alone, each at its
    // creation (the umask stays the user's: other files the program writes
    // keep their usual modes). The settings writer gives its new file the
    // permissions of the file it replaces.
    QStringList missing;
    for (QString folder = QFileInfo(path).absolutePath(); !QFileInfo::exists(folder);) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &made : qAsConst(missing)) {
        if (!makePrivateFolder(made))
            return; // shows when the settings are written
    }
    makePrivateFile(path);
}

bool ServerSettings::makePrivateFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), S_IRWXU) == 0)
        return true;
    return errno == EEXIST && QFileInfo(path).isDir();
#else
    return QDir().mkdir(path) || QFileInfo(path).isDir();
#endif
}

void ServerSettings::makePrivateFile(const QString &path)
{
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    if (QFileInfo::exists(path)) {
        // An older version, or the file dialogs (which keep their state in
        // the same file), may have left it readable by others.
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        if ((QFile::permissions(path) & others) != 0 && !QFile::setPermissions(path, owner))
            qCWarning(serverSettingsLog).noquote() << QStringLiteral("Cannot make %1 private").arg(path);
        return;
    }
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor >= 0)
        ::close(descriptor);
#else
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.setPermissions(owner);
        file.close();
    }
#endif
}

bool ServerSettings::tlsRequiredByDefault(const QString &host)
{
    // Only a server on this machine is reached without a line between.
    const QString name = host.trimmed().toLower();
    if (name == QLatin1String("localhost") || name == QLatin1String("::1") ||
        name == QLatin1String("0:0:0:0:0:0:0:1"))
        return false;
    const QStringList parts = name.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts.first() != QLatin1String("127"))
        return true;
    for (const QString &part : parts) {
        bool number = false;
        const int value = part.toInt(&number);
        if (!number || value < 0 || value > 255)
            return true;
    }
    return false;
}

bool ServerSettings::isChosen() const
{
    const auto settings = open();
    settings->beginGroup(group);
    return !settings->childKeys().isEmpty() ||
           tlsRequiredByDefault(SqlHandler::defaultConnection().hostName);
}

SqlHandler::Connection ServerSettings::load() const
{
    const SqlHandler::Connection defaults = SqlHandler::defaultConnection();
    const auto settings = open();
    settings->beginGroup(group);
    SqlHandler::Connection stored = defaults;
    stored.hostName = settings->value(hostKey, defaults.hostName).toString();
    stored.databaseName = settings->value(databaseKey, defaults.databaseName).toString();
    stored.userName = settings->value(userKey, defaults.userName).toString();
    stored.password = settings->value(passwordKey, defaults.password).toString();
    stored.caFile = settings->value(caFileKey).toString();
    stored.requireTls = settings->value(requireTlsKey, tlsRequiredByDefault(stored.hostName)).toBool();
    bool number = true;
    if (settings->contains(portKey))
        stored.port = settings->value(portKey).toInt(&number);
    const QString why = number ? problem(stored) : tr("The port is not a number.");
    if (why.isEmpty())
        return stored;
    qCWarning(serverSettingsLog) << "The stored server is not used:" << why << "in" << settings->fileName();
    return defaults;
}

QString ServerSettings::save(const SqlHandler::Connection &connection) const
{
    const QString why = problem(connection);
    if (!why.isEmpty())
        return why;
    const auto settings = open();
    settings->beginGroup(group);
    settings->setValue(hostKey, connection.hostName);
    if (connection.caFile.isEmpty())
        settings->remove(caFileKey);
    else
        settings->setValue(caFileKey, connection.caFile);
    settings->setValue(requireTlsKey, connection.requireTls);
    if (connection.port == -1)
        settings->remove(portKey);
    else
        settings->setValue(portKey, connection.port);
    settings->setValue(databaseKey, connection.databaseName);
    settings->setValue(userKey, connection.userName);
    settings->setValue(passwordKey, connection.password);
    settings->endGroup();
    return written(*settings);
}

QString ServerSettings::reset() const
{
    const auto settings = open();
    settings->remove(group);
    return written(*settings);
}

QString ServerSettings::written(QSettings &settings) const
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return tr("The server setting could not be saved in %1.")
            .arg(QDir::toNativeSeparators(settings.fileName()));
    // It holds a password: for the user alone (the registry on Windows has
    // no file to restrict).
    if (QFile::exists(settings.fileName()))
        QFile::setPermissions(settings.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return QString();
}

QString ServerSettings::problem(const SqlHandler::Connection &connection)
{
    const QString &host = connection.hostName;
    if (host.trimmed().isEmpty())
        return tr("The server's name or address is empty.");
    for (const QChar c : host) {
        if (!hostCharacter(c))
            return tr("The server's name \"%1\" contains characters not allowed in a server name.").arg(host);
    }
    if (connection.port != -1 && (connection.port < 1 || connection.port > 65535))
        return tr("The port must be a number from 1 to 65535 (empty: the standard port %1).")
            .arg(standardPort);
    if (connection.databaseName.trimmed().isEmpty())
        return tr("The database name is empty.");
    if (connection.userName.trimmed().isEmpty())
        return tr("The user name is empty.");
    return QString();
}

QString ServerSettings::parseHostPort(const QString &text, QString *host, int *port)
{
    QString name = text.trimmed();
    QString portText;
    if (name.startsWith(QLatin1Char('['))) {
        // [ADDRESS] or [ADDRESS]:PORT: the brackets keep an IPv6 address's
        // colons apart from the port's.
        const int close = name.indexOf(QLatin1Char(']'));
        if (close > 0) {
            const QString rest = name.mid(close + 1);
            if (rest.startsWith(QLatin1Char(':')))
                portText = rest.mid(1);
            else if (!rest.isEmpty())
                portText = rest; // refused below
            name = name.mid(1, close - 1);
        }
    } else if (name.count(QLatin1Char(':')) == 1) {
        portText = name.section(QLatin1Char(':'), 1);
        name = name.section(QLatin1Char(':'), 0, 0);
    }
    SqlHandler::Connection candidate = SqlHandler::defaultConnection();
    candidate.hostName = name;
    candidate.port = -1;
    if (!portText.isEmpty()) {
        bool number = false;
        candidate.port = portText.toInt(&number);
        if (!number)
            candidate.port = 0; // refused as out of range
    }
    const QString why = problem(candidate);
    if (why.isEmpty()) {
        *host = candidate.hostName;
        *port = candidate.port;
    }
    return why;
}

QString ServerSettings::hostAndPort(const SqlHandler::Connection &connection)
{
    const bool v6 = connection.hostName.contains(QLatin1Char(':'));
    const QString host = v6 ? QLatin1Char('[') + connection.hostName + QLatin1Char(']') : connection.hostName;
    return host + QLatin1Char(':') + QString::number(portOf(connection));
}

QString ServerSettings::describe(const SqlHandler::Connection &connection)
{
    return QStringLiteral("%1 %2 %3").arg(hostAndPort(connection), connection.databaseName, connection.userName);
}
