#include "UiTestHelper.h"

#include "CacheFile.h"
#include "OfflineEnvironment.h"

#include <QColor>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>

#include <utility>

namespace {
struct CacheSatellite
{
    QString name;
    qint32 satId;
    qint32 firstTransponder;
    qint32 transponderCount;
    qint32 firstFrequency;
};

const CacheSatellite cacheSatellites[] = {
    {QStringLiteral("Astra 19.2E"), 1, 1, 12, 10714},
    {QStringLiteral("Astra 28.2E"), 2, 21, 10, 11222},
    {QStringLiteral("Eutelsat 13E"), 3, 5, 10, 11013},
};
} // namespace

UiTestHelper::UiTestHelper(QString directory, QObject *parent)
    : QObject(parent), directory(std::move(directory))
{
}

bool UiTestHelper::writeSatelliteCache() const
{
    CacheFile::Satelites satelites;
    QVector<SateliteParams> params;
    for (const CacheSatellite &satellite : cacheSatellites)
        CacheFile::addSatellite(satelites, params, satellite.name, quint32(satellite.satId),
                                quint32(satellite.firstTransponder), satellite.transponderCount,
                                quint32(satellite.firstFrequency), 19);
    return CacheFile::writeCacheFile(directory, satelites, params);
}

QString UiTestHelper::writeSettingsFile(const QString &fileName, const QString &lnb1,
                                        const QString &lnb2) const
{
    const QString path = directory + QLatin1Char('/') + fileName;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_5_15);
    out << QStringLiteral("0.7") << quint32(24);
    for (quint32 row = 0; row < 24; ++row) {
        const quint32 ubNumber = 23 - row;
        out << ubNumber << ubNumber % 4 << ubNumber / 4 << 975 + 50 * ubNumber << QStringLiteral("dynamic")
            << quint32(0) << qint32(-1);
    }
    out << false << false << false << lnb1 << lnb2;
    if (out.status() != QDataStream::Ok || !file.flush())
        return QString();
    return QUrl::fromLocalFile(path).toString();
}

QString UiTestHelper::writeSiteFile(const QString &fileName, const QString &label,
                                    const QString &serial) const
{
    const QString planUrl = writeSettingsFile(fileName + QStringLiteral(".dat"),
                                              QStringLiteral("Astra 19.2E"), QStringLiteral("Astra 28.2E"));
    QFile planFile(QUrl(planUrl).toLocalFile());
    if (planUrl.isEmpty() || !planFile.open(QIODevice::ReadOnly))
        return QString();
    const QJsonObject entry{{QStringLiteral("label"), label},
                            {QStringLiteral("plan"), QString::fromLatin1(planFile.readAll().toBase64())},
                            {QStringLiteral("serial"), serial},
                            {QStringLiteral("stored"), QStringLiteral("2026-12-01")},
                            {QStringLiteral("readBack"), true}};
    const QJsonObject site{{QStringLiteral("format"), 1},
                           {QStringLiteral("name"), QStringLiteral("Test house")},
                           {QStringLiteral("note"), QStringLiteral("Back door, key at number 3")},
                           {QStringLiteral("switches"), QJsonArray{entry}}};
    const QString path = directory + QLatin1Char('/') + fileName;
    QFile file(path);
    const QByteArray bytes = QJsonDocument(site).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return QString();
    return QUrl::fromLocalFile(path).toString();
}

UBModelController::Environment UiTestHelper::offlineEnvironment() const
{
    return OfflineEnvironment::in(directory);
}

namespace {
void collectTexts(const QQuickItem *item, QStringList &texts)
{
    if (!item->isVisible())
        return;
    for (const char *name : {"text", "title", "placeholderText", "displayText"}) {
        const QVariant value = item->property(name);
        if (value.userType() == QMetaType::QString && !value.toString().isEmpty())
            texts << value.toString();
    }
    for (const QQuickItem *child : item->childItems())
        collectTexts(child, texts);
}
} // namespace

QStringList UiTestHelper::windowTexts(const QString &title) const
{
    QStringList texts;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quickWindow = qobject_cast<QQuickWindow *>(window);
        if (quickWindow && quickWindow->isVisible() && quickWindow->title() == title)
            collectTexts(quickWindow->contentItem(), texts);
    }
    return texts;
}

QStringList UiTestHelper::pixelsAround(const QImage &picture, const QRectF &area) const
{
    const QRect pixelArea = area.toAlignedRect().adjusted(-1, -1, 1, 1);
    if (picture.isNull() || !picture.rect().contains(pixelArea))
        return {};
    QStringList pixels;
    for (int y = pixelArea.top(); y <= pixelArea.bottom(); ++y) {
        for (int x = pixelArea.left(); x <= pixelArea.right(); ++x)
            pixels << QColor::fromRgba(picture.pixel(x, y)).name(QColor::HexArgb);
    }
    return pixels;
}
