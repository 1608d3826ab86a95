#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class GlobalShortcut;
class QKeySequence;
class TProgramCore;

// What other programs ask of the running Parlewind: the commands given on its
// command line (handed over by a second start), the media-player interface and
// the global shortcut all come here.
class TDesktopCommands : public QObject
{
    Q_OBJECT
public:
    explicit TDesktopCommands(TProgramCore &core, QObject *parent = nullptr);

    struct TCommand
    {
        QString Name; // "read-selection", "pause", …, or "open" for files
        QStringList Files;
    };
    // The command a command line asks of the running program, if any.
    static std::optional<TCommand> Parse(const QStringList &arguments);
    // Whether the command starts the program when none runs (the read commands,
    // showing it and opening files); the others are for a running program only.
    static bool Starts(const QString &name);
    // Whether the command reads the selection (or the clipboard).
    static bool ReadsSelection(const QString &name);

    // Why the running program cannot carry the command out now, in the user's
    // words; empty when it can. Asked before the command is answered, so that the
    // program that sent it can say so and fail.
    QString Refusal(const QString &name) const;
    // The most of a selection that is read (a larger one is a file's work).
    static constexpr qint64 MaxSelectionBytes = 2 * 1024 * 1024;
    // Carries the command out; false for one it does not know.
    bool Run(const QString &name, const QStringList &files = {});
    // Reads the selected text of any program (the clipboard's when nothing is
    // selected), or stops the reading aloud it started when it is pressed again.
    void ReadSelection(bool clipboardOnly = false);

    // Takes the shortcut that reads the selection; what the user should know of it
    // (why it cannot be had, or how to bind the command where no program can take
    // a shortcut), or nothing.
    QString SetReadSelectionKey(const QKeySequence &key);

signals:
    // What the user should know of the shortcut, learnt later (the desktop's answer).
    void ShortcutNote(const QString &note);
    // The window is wanted in front; files are to be opened.
    void ShowRequested();
    void OpenRequested(const QStringList &files);

private:
    // The selected text (or the clipboard's) in `text`; or why there is none to
    // read: nothing there, too much, not text.
    QString TakeSelection(bool clipboardOnly, QString *text) const;
    void Carry(const QString &name, const QStringList &files);

    // The selection read when a command for it was answered, for carrying it out.
    mutable std::optional<QString> m_Taken;
    std::deque<TCommand> m_Queue;
    bool m_Running = false;

    TProgramCore &m_Core;
    GlobalShortcut *m_Shortcut = nullptr;
};
