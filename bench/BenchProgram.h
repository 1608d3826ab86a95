#pragma once

// The program core, its voice manager and the main window, started as the program starts them.
#include "app/Form1.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

struct Program
{
    Program() : voices((core.Load(), core.Prefs())), form((core.SetVoiceManager(&voices), core), {})
    {
        core.Prefs().FirstTimeUser = false;
        form.show();
    }
    TProgramCore core;
    TTTSForm voices;
    TForm1 form;
};
