#include "SwitchTransfers.h"

#include <utility>

SwitchTransfers::SwitchTransfers(SerialPortHandler &device, PlanBackup backup,
                                 DeviceTransfers::RandomSource random, QObject *parent)
    : QObject(parent), transfers(device, std::move(backup), std::move(random))
{
    connect(&transfers, &DeviceTransfers::busyChanged, this, &SwitchTransfers::busyChanged);
    connect(&transfers, &DeviceTransfers::progressChanged, this, &SwitchTransfers::progressChanged);
    connect(&transfers, &DeviceTransfers::finished, this, &SwitchTransfers::finished);
}

SwitchTransfers::~SwitchTransfers()
{
    // Transfers that go with the object end unheard.
    QObject::disconnect(&transfers, nullptr, this, nullptr);
}

void SwitchTransfers::begin(Asked what, const std::function<void()> &start)
{
    asked.push_back(std::move(what));
    try {
        start();
    } catch (...) {
        // Refused before anything started: no end will come for it.
        asked.pop_back();
        throw;
    }
}

void SwitchTransfers::finished(const DeviceTransfers::Result &result)
{
    if (asked.empty())
        return;
    const Asked what = std::move(asked.front());
    asked.pop_front();
    emit ended(TransferEnd(what.what, result, what.data, what.compared));
}

void SwitchTransfers::sendPrepared(const PlanVerdict &prepared, bool store, const SharedCatalogue &data)
{
    if (store)
        this->store(prepared.plan, data);
    else
        send(prepared.plan, data);
}

void SwitchTransfers::send(const BandPlan &plan, const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::Send, data, BandPlan()}, [&] { transfers.send(plan, data); });
}

void SwitchTransfers::store(const BandPlan &plan, const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::Store, data, BandPlan()}, [&] { transfers.store(plan, data); });
}

void SwitchTransfers::restore(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                              const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::Restore, data, BandPlan()},
          [&] { transfers.restore(replies, lnb1, lnb2, data); });
}

void SwitchTransfers::read(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::Read, data, BandPlan()}, [&] { transfers.readPlan(lnb1, lnb2, data); });
}

void SwitchTransfers::compare(const BandPlan &plan, const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::Compare, data, plan}, [&] { transfers.readPlan(plan.lnb1, plan.lnb2, data); });
}

void SwitchTransfers::compareWithSent(const SentPlan &sent, const SharedCatalogue &data)
{
    begin({TransferEnd::Asked::CompareWithSent, data, BandPlan()},
          [&] { transfers.compareWithSent(sent, data); });
}
