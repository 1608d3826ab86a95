#pragma once

#include "platform/sapi/TextPrep.h"

#include <QObject>
#include <QString>

class PcmPlayer;

// Speaks a short phrase on the default sound output for a dialog's Test button;
// a new phrase cuts the one playing. Nothing is reported back.
class PreviewSpeaker : public QObject
{
    Q_OBJECT
public:
    explicit PreviewSpeaker(QObject *parent = nullptr) : QObject(parent) {}
    ~PreviewSpeaker() override;

    // False (and the user told) when there is no sound output.
    bool Speak(const QString &voice, const Prosody &prosody, const QString &text);

private:
    PcmPlayer *m_Player = nullptr;
};
