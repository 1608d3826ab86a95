#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class TPreferences;

// The small window that asks what to do with text just copied: a new article,
// appended to the current one, or nothing. It is not modal, and acts on its
// default button after CB_PromptDelay seconds (0: never).
class TCB_PromptForm : public QDialog
{
    Q_OBJECT
public:
    TCB_PromptForm(TPreferences &prefs, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPushButton *New = nullptr;
    QPushButton *Append = nullptr;
    QPushButton *Cancel = nullptr;
    QLabel *ModeValue = nullptr;
    QTimer *Timer1 = nullptr;

    // The main window: whether Append makes sense (a current article that is not
    // the one blank article), and what New and Append do.
    std::function<bool()> CanAppend;
    std::function<void(bool append)> PromptAction;

    // Shows the prompt for the text just taken (not modal), brought to the front.
    void ShowPrompt();
    // The button Enter and the time-out press, by CB_DfltPromptAction.
    QPushButton *DefaultButton() const;

    void NewClick();
    void AppendClick();
    void CancelClick();
    void Timer1Timer();

    // Escape and the window's close act as Cancel.
    void reject() override { CancelClick(); }

private:
    void Act(int action);

    TPreferences &m_Prefs;
};
