#include "TransponderLists.h"

#include <QQmlEngine>

#include <utility>

TransponderLists::TransponderLists(SharedCatalogue catalogue, QObject *parent, OwnTransponders own)
    : QObject(parent), data(std::move(catalogue)), own(std::move(own))
{
}

TransponderListModel *TransponderLists::forSatellite(const QString &name)
{
    const auto found = lists.find(name);
    if (found != lists.end())
        return found->second;
    if (!data || data->allTransponders().count(name) == 0)
        return nullptr;
    auto *list = new TransponderListModel(data->transponders(name), this, [this, name](const TransponderItem &item) {
        return own.isOwn(name, item);
    });
    // Handed to QML, still ours: the engine must never collect it.
    QQmlEngine::setObjectOwnership(list, QQmlEngine::CppOwnership);
    lists.emplace(name, list);
    return list;
}
