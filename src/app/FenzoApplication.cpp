#include "FenzoApplication.h"

#include "io/ProgramIdentity.h"

#include <QIcon>
#include <QQmlEngine>
#include <QQmlFileSelector>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QQuickStyle>
#endif

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    ProgramIdentity::setIdentity();
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
