#pragma once

#include <QObject>
#include <QString>

#include <optional>

// The switch as the window shows it: whether one is connected and its serial
// number, why a port cannot be used, and the transfer under way. The
// controller keeps it up to date; the window reads it and asks for a cancel.
class DeviceStatus : public QObject
{
    Q_OBJECT
    // False until deviceFound and again after deviceMissing.
    Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
    // The connected switch's number, or the words for no switch.
    Q_PROPERTY(QString serialNumber READ serialNumber NOTIFY serialNumberChanged)
    // Why a port that may be the switch cannot be used; empty when none.
    Q_PROPERTY(QString portProblem READ portProblem NOTIFY portProblemChanged)
    // True from the first line sent to the switch until its last reply.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // What the transfer under way is doing ("Sending… 3 of 4"); empty when
    // none runs.
    Q_PROPERTY(QString transferProgress READ transferProgress NOTIFY transferProgressChanged)
    // True while the transfer under way only reads: cancel() then stops it
    // before its next line.
    Q_PROPERTY(bool cancellable READ cancellable NOTIFY cancellableChanged)

public:
    explicit DeviceStatus(QObject *parent = nullptr);

    bool connected() const { return present; }
    QString serialNumber() const { return serial; }
    QString portProblem() const { return problem; }
    bool busy() const { return busyNow; }
    QString transferProgress() const { return progressText; }
    bool cancellable() const { return canCancel; }
    // The serial number while a switch is connected; nothing otherwise.
    std::optional<QString> connectedSwitch() const;

    void setPortProblem(const QString &text);
    // Idle again also clears the progress.
    void setBusy(bool on);
    void setTransferProgress(const QString &text, bool cancellableNow);

    // Asks the transfer under way to stop (cancelAsked); honoured while it
    // is cancellable.
    Q_INVOKABLE void cancel();

public slots:
    // The third field of the switch's identification, as it came.
    void deviceFound(const QString &serialField);
    void deviceMissing();

signals:
    void connectedChanged();
    void serialNumberChanged();
    void portProblemChanged();
    void busyChanged();
    void transferProgressChanged();
    void cancellableChanged();
    void cancelAsked();

private:
    void setConnected(bool on, const QString &shown);

    bool present = false;
    QString serial;
    QString problem;
    bool busyNow = false;
    QString progressText;
    bool canCancel = false;
};
