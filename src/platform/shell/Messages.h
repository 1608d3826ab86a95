#pragma once

#include <QList>
#include <QString>

// Every message box and beep of the program goes through here, so that tests can
// see what the user would have been shown without a modal window blocking them.
namespace Messages {

enum class Kind { Message, Error, Warning, Question };

struct Shown
{
    Kind kind;
    QString text;
};

// A plain message box with one OK button (the user's own mistakes).
void ShowMessage(const QString &text);
// An error box with one OK button (failures of the engine, files, encoder).
void ShowError(const QString &text);
void ShowWarning(const QString &text);
// A question with Yes and No; true for Yes.
bool Confirm(const QString &text);
void Beep();

// Test support: while recording, nothing is shown; every message is kept instead.
void SetRecording(bool on);
bool IsRecording();
QList<Shown> TakeRecorded();
// What Confirm answers while recording (Yes unless told otherwise).
void SetAnswer(bool yes);
int BeepCount();

} // namespace Messages
