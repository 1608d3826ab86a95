#pragma once

#include "articles/SavedArticles.h"
#include "audio/Mp3Encode.h"
#include "core/ProgramCore.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/StoredPrefs.h"

#include <QFile>

#include <memory>

// A voice manager whose sound card test needs no sound server.
class CardVoices : public TTTSForm
{
public:
    using TTTSForm::TTTSForm;
    int TestWaveOutDevice(int) override { return 0; }
};

// Where a reading test starts: a user who has started before, no saved articles,
// this list mode, a sound card taken as there, no encoding asked to stop.
inline void PrepareReading(int mode)
{
    WaveOutPresent = true;
    Mp3AbortRequested = false;
    Messages::TakeRecorded();
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    StoredPrefs::Store(QStringLiteral("ML_ListMode"), QString::number(mode));
    QFile::remove(SavedArticles::File());
}

// The program core and its voice manager, started as the program starts them,
// with no window.
struct CoreWithVoices
{
    CoreWithVoices()
    {
        core.Load();
        voices = std::make_unique<CardVoices>(core.Prefs());
        core.SetVoiceManager(voices.get());
    }
    bool Start()
    {
        if (!core.Start())
            return false;
        core.InitializeList();
        return true;
    }
    TProgramCore core;
    std::unique_ptr<CardVoices> voices;
};
