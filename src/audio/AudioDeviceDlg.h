#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;

enum TDlgUse { duNone, duTTS, duSR, duVCmd, duVDct, duVTxt };

// The window of the device dialog: the output devices, and what the highlighted
// one can do.
class TMyAudioDeviceDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TMyAudioDeviceDlg(TDlgUse use, qint32 deviceId, QWidget *parent = nullptr);

    // The device of the highlighted entry; -1 (the default output) when none is.
    qint32 ChosenDevice() const;

    QListWidget *ListBox1 = nullptr;
    QLabel *lDeviceID = nullptr;
    QLabel *lDescription = nullptr;
    QLabel *lName = nullptr;
    QLabel *lFormat = nullptr;
    QLabel *lChannels = nullptr;
    QLabel *lSupports = nullptr;

    // The entry standing for the system's default output (the device number -1).
    static QString DefaultEntry();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FillList();
    void Describe();

    TDlgUse m_Use;
    qint32 m_DeviceId;
    bool m_Filled = false;
};

// Lets the user choose the output device; AudioDeviceID is the device to highlight
// and, after a successful Execute, the one chosen (-1: the system's default).
class TAuDevDlg
{
public:
    TDlgUse DlgUse = duNone;
    qint32 AudioDeviceID = -1;
    bool Execute(QWidget *parent = nullptr);

    // The device number that the sound server's name stands for now, or -1 when no
    // output of that name exists (outputs come and go; numbers shift).
    static qint32 DeviceNumber(const QString &name);
    // The sound server's name of a device number; empty for -1 or an unknown number.
    static QString DeviceName(qint32 deviceId);
    // Texts describing a device's capabilities, in the dialog's words.
    static QString FormatsText(quint32 formats);
    static QString SupportsText(quint32 support);
};
