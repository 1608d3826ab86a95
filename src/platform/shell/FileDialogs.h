#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs of the program, so that tests can answer them ahead of time.
namespace FileDialogs {

// An existing file chosen by the user, or empty when cancelled.
QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

// An existing folder chosen by the user, or empty when cancelled.
QString GetExistingDirectory(QWidget *parent, const QString &caption, const QString &dir);

// Test support: the next dialog is not shown and answers this (empty: cancelled).
void SetNextAnswer(const QString &answer);
// The start folders the dialogs were asked to open in.
QStringList TakeAskedFolders();

} // namespace FileDialogs
