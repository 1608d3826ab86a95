#pragma once

#include <QString>
#include <QUuid>

// One voice the program offers, with the user's choices for it. The limits and
// the engine's initial values stay -1 until the voice is first opened.
struct TVoiceEntry
{
    QString Name; // as the engine spells it; also the key of its stored values
    bool Favorite = false;
    QUuid ModeID;
    // Heard only, never written to a file (the server plays it itself).
    bool AloudOnly = false;
    // The voice has no pitch to change.
    bool FixedPitch = false;
    qint32 MinPitch = -1;
    qint32 MaxPitch = -1;
    qint32 DefaultPitch = -1;
    qint32 Pitch = 0; // 0 or less: none chosen
    qint32 MinSpeed = -1;
    qint32 MaxSpeed = -1;
    qint32 DefaultSpeed = -1;
    qint32 Speed = 0; // 0 or less: none chosen
};
