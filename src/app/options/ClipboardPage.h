#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class TNumEdit;
class TPreferences;

// "Clipboard": whether the clipboard is watched, how short a text is ignored, and
// the prompt's options. The controls show the stored values from the start.
class TClipboardPage : public QWidget
{
    Q_OBJECT
public:
    TClipboardPage(TPreferences &prefs, QWidget *parent = nullptr);

    QCheckBox *MonitorCB = nullptr;
    // Says in full why watching is off where the desktop does not allow it.
    QLabel *MonitorNote = nullptr;
    TNumEdit *ThreshHoldEdit = nullptr;
    QCheckBox *PromptCkbx = nullptr;
    TNumEdit *PromptDelayEdit = nullptr;
    QComboBox *PromptDfltActCBox = nullptr;

    // "Watch Clipboard" is the main window's, shared with its menu item.
    std::function<void(bool)> MonitorClicked;
    // Tells the user what a field expects (the status line).
    std::function<void(const QString &)> Hint;

    // Shows the stored values.
    void Load();
    // Watching cannot be had here: the box is off and disabled, the reason below it.
    void ShowWatchingUnsupported(const QString &reason);
    void PromptCkbxClick(bool on);
    void PromptDfltActCBoxChange(int index);

private:
    TPreferences &m_Prefs;
};
