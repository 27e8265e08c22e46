#include "FenzoApplication.h"

#include <QIcon>
#include <QQmlEngine>
#include <QQmlFileSelector>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QQuickStyle>
#endif

FenzoApplication::FenzoApplication(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    // The file dialogs keep their state in QSettings, which needs an
    // organisation. A domain alone leaves the data directory (and with it the
    // offline cache) where it has always been.
    setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    // Read from the working directory, not from the resources.
    setWindowIcon(QIcon(QStringLiteral("images/satellite_dish_icon.ico")));
}

QString FenzoApplication::translationBaseName(const QStringList &uiLanguages)
{
    if (!uiLanguages.isEmpty() && uiLanguages.first().indexOf(QLatin1String("de"), 0, Qt::CaseSensitive) != -1)
        return QStringLiteral("fenzo_setup_de");
    return QStringLiteral("fenzo_setup_en");
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
