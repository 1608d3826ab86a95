#pragma once

#include <QString>
#include <QStringList>

// Opens web pages, mail messages and documents with the desktop's default program.
namespace ShellOpen {

// A URL ("https://…", "mailto:…") or a local file path. False when nothing could
// open it.
bool Open(const QString &target);

// Test support: while recording, targets are kept instead of opened.
void SetRecording(bool on);
QStringList TakeRecorded();

} // namespace ShellOpen
