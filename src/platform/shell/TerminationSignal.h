#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the UI thread, so that the
// program can end through its orderly exit path.
class TerminationSignal : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

signals:
    void Requested(int signalNumber);

private:
    void Drain();
    QSocketNotifier *m_Notifier = nullptr;
};
