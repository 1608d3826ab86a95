#pragma once

#include "app/Form1.h"
#include "audio/AudioDeviceDlg.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"
#include "support/EngineHelpers.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

// A menu of the window's menu bar by its title, and an item of it by its text, as
// the user finds them.
inline QMenu *Menu(const QMainWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions()) {
        if (action->text() == title && action->menu())
            return action->menu();
    }
    return nullptr;
}

inline QAction *Item(const QMainWindow &window, const QString &menu, const QString &text)
{
    if (QMenu *found = Menu(window, menu)) {
        for (QAction *action : found->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

// The program core with its preferences loaded, as the program's entry makes it.
struct LoadedCore : TProgramCore
{
    LoadedCore() { Load(); }
};

// The program core, its voice manager and the main window, made in the program's order.
struct FormWithVoices
{
    explicit FormWithVoices(const QStringList &arguments = {})
        : voices(core.Prefs()), form((core.SetVoiceManager(&voices), core), arguments)
    {
    }
    // Shown and activated as a user would see it: the first show done and the
    // first article marked.
    bool ShowActive()
    {
        form.show();
        form.activateWindow();
        return core.Initialized() && WaitUntil([this] { return form.ListInfoInitialized; }, 3000);
    }
    // Real speech goes to the test sound server's "headset" sink, which a test can record.
    bool SpeakToHeadset()
    {
        const qint32 headset = TAuDevDlg::DeviceNumber(QStringLiteral("headset"));
        voices.TTS1->SetAudioDeviceID(headset);
        return headset >= 0;
    }
    LoadedCore core;
    TTTSForm voices;
    TForm1 form;
};
