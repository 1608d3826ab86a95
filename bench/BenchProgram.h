#pragma once

// The main window with its voice manager, started as the program starts it.
#include "app/Form1.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

struct Program
{
    Program() : form({}), voices(*form.Prefs)
    {
        form.TTSForm = &voices;
        form.Prefs->FirstTimeUser = false;
        form.show();
    }
    TForm1 form;
    TTTSForm voices;
};
