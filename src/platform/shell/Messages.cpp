#include "platform/shell/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace Messages {
namespace {

bool recording = false;
bool answer = true;
QList<Shown> recorded;
int beeps = 0;

// Texts are written with carriage returns as line breaks; show them as lines.
QString DisplayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void Show(Kind kind, const QString &text)
{
    if (recording) {
        recorded.append({kind, text});
        return;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", qPrintable(DisplayText(text)));
        return;
    }
    QWidget *parent = QApplication::activeWindow();
    const QString title = QStringLiteral("Parlewind MP3");
    switch (kind) {
    case Kind::Message:
        QMessageBox::information(parent, title, DisplayText(text));
        break;
    case Kind::Error:
        QMessageBox::critical(parent, title, DisplayText(text));
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title, DisplayText(text));
        break;
    case Kind::Question:
        break; // asked by Confirm
    }
}

} // namespace

void ShowMessage(const QString &text) { Show(Kind::Message, text); }
void ShowError(const QString &text) { Show(Kind::Error, text); }
void ShowWarning(const QString &text) { Show(Kind::Warning, text); }

bool Confirm(const QString &text)
{
    if (recording) {
        recorded.append({Kind::Question, text});
        return answer;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", qPrintable(DisplayText(text)));
        return false;
    }
    return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Parlewind MP3"), DisplayText(text)) ==
           QMessageBox::Yes;
}

void SetAnswer(bool yes) { answer = yes; }

void Beep()
{
    ++beeps;
    if (!recording && qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

void SetRecording(bool on)
{
    recording = on;
    answer = true;
    recorded.clear();
    beeps = 0;
}

bool IsRecording() { return recording; }

QList<Shown> TakeRecorded()
{
    QList<Shown> taken;
    taken.swap(recorded);
    return taken;
}

int BeepCount() { return beeps; }

} // namespace Messages
