#include "FenzoApplication.h"

#include <QCursor>
#include <QIcon>
#include <QLocale>
#include <QTranslator>
#include <QQmlEngine>
#include <QQmlFileSelector>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QQuickStyle>
#endif

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    setIdentity();
    // The menu entry, its icon and the AppStream data carry this id; Wayland
    // compositors find them through it.
    setDesktopFileName(QStringLiteral(FENZO_APP_ID));
    // A copy in the working directory comes first, as it always has; an
    // installed program started anywhere else has its own.
    setWindowIcon(windowIconFrom(QStringLiteral("images/satellite_dish_icon.ico")));
}

QIcon FenzoApplication::windowIconFrom(const QString &path)
{
    // A missing or unreadable file gives an icon without a single size.
    const QIcon fromFile(path);
    if (!fromFile.availableSizes().isEmpty())
        return fromFile;
    QIcon builtIn;
    for (const int size : {16, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/fenzo_setup-%1.png").arg(size), QSize(size, size));
    return builtIn;
}

QString FenzoApplication::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
}

void FenzoApplication::setIdentity()
{
    // The file dialogs keep their state in QSettings, which needs an
    // organisation. A domain alone leaves the data directory (and with it the
    // offline cache) where it has always been.
    QCoreApplication::setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QCoreApplication::setApplicationName(QStringLiteral("fenzo_setup"));
}

void FenzoApplication::installTranslator()
{
    // A child of the application object: it translates until the end and
    // goes with the application.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(translationBaseName(QLocale::system().uiLanguages()), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void FenzoApplication::prepareEngine(QQmlEngine *engine)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 would take the platform's style; "Basic" is Qt 5's "Default". It
    // is chosen once, before the first engine loads a control.
    if (QQuickStyle::name() != QLatin1String("Basic"))
        QQuickStyle::setStyle(QStringLiteral("Basic"));
    auto *selector = engine->findChild<QQmlFileSelector *>();
    if (!selector)
        selector = new QQmlFileSelector(engine, engine);
    selector->setExtraSelectors({QStringLiteral("qt6")});
#else
    Q_UNUSED(engine)
#endif
}

void FenzoApplication::showBusy(bool busy)
{
    if (busy)
        setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        restoreOverrideCursor();
}
