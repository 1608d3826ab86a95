#pragma once

#include "app/Form1.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QStringList>

// The main window with its voice manager, made in the program's order.
struct FormWithVoices
{
    explicit FormWithVoices(const QStringList &arguments = {}) : form(arguments), voices(*form.Prefs)
    {
        form.TTSForm = &voices;
    }
    TForm1 form;
    TTTSForm voices;
};
