#pragma once

#include "app/Form1.h"
#include "audio/AudioDeviceDlg.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"
#include "support/EngineHelpers.h"

#include <QStringList>

// The main window with its voice manager, made in the program's order.
struct FormWithVoices
{
    explicit FormWithVoices(const QStringList &arguments = {}) : form(arguments), voices(*form.Prefs)
    {
        form.TTSForm = &voices;
    }
    // Shown and activated as a user would see it: the first show done and the
    // first article marked.
    bool ShowActive()
    {
        form.show();
        form.activateWindow();
        return form.Initialized && WaitUntil([this] { return form.ListInfoInitialized; }, 3000);
    }
    // Real speech goes to the test sound server's "headset" sink, which a test can record.
    bool SpeakToHeadset()
    {
        const qint32 headset = TAuDevDlg::DeviceNumber(QStringLiteral("headset"));
        voices.TTS1->SetAudioDeviceID(headset);
        return headset >= 0;
    }
    TForm1 form;
    TTTSForm voices;
};
