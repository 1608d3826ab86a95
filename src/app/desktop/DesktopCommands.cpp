#include "app/desktop/DesktopCommands.h"

#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "articles/ArticleList.h"
#include "articles/TextFile.h"
#include "documents/DocumentProcess.h"
#include "log/UtilsClass.h"
#include "platform/shell/GlobalShortcut.h"
#include "platform/shell/Session.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

const QStringList commandNames{QStringLiteral("read-selection"), QStringLiteral("read-clipboard"), QStringLiteral("pause"),
                               QStringLiteral("resume"),         QStringLiteral("toggle-pause"),   QStringLiteral("stop"),
                               QStringLiteral("skip"),           QStringLiteral("show")};

// A program in the background of a Wayland desktop is given neither the
// selection nor the clipboard: only the one in front is.
bool SelectionOutOfReach()
{
    return Session::NativeWayland() && QGuiApplication::applicationState() != Qt::ApplicationActive;
}

const QString selectionOutOfReach = QCoreApplication::translate(
    "TDesktopCommands",
    "Parlewind cannot read the selection or the clipboard from the background on this Wayland "
    "desktop: it gives them only to the program in front. Paste the text into Parlewind instead, "
    "or run Parlewind through XWayland (as it starts where DISPLAY is set).");

} // namespace

TDesktopCommands::TDesktopCommands(TProgramCore &core, QObject *parent)
    : QObject(parent), m_Core(core), m_Shortcut(new GlobalShortcut(this))
{
    connect(m_Shortcut, &GlobalShortcut::Activated, this, [this] { ReadSelection(); });
    connect(m_Shortcut, &GlobalShortcut::Answered, this, &TDesktopCommands::ShortcutNote);
}

QString TDesktopCommands::SetReadSelectionKey(const QKeySequence &key)
{
    if (Session::NativeWayland())
        return QCoreApplication::translate(
            "TDesktopCommands",
            "On this Wayland desktop a program in the background cannot read the selection, so "
            "no key can read it to Parlewind here. Run Parlewind through XWayland (as it starts "
            "where DISPLAY is set) to read the selection of any program.");
    // The desktop was asked for its portal once, when the shortcut was made.
    if (!m_Shortcut->Usable())
        return QCoreApplication::translate(
            "TDesktopCommands",
            "This desktop lets no program take a shortcut of its own: in its keyboard settings, "
            "bind a key to the command  parlewind --read-selection");
    QString error;
    if (!m_Shortcut->Set(key, &error)) {
        UtilsClass::Trace(QStringLiteral("The shortcut could not be taken: ") + error);
        return error;
    }
    if (m_Shortcut->OnlyFromX11Windows() && !key.isEmpty())
        return QCoreApplication::translate(
            "TDesktopCommands",
            "On this Wayland desktop the key reaches Parlewind only while a window of an X11 "
            "program has focus. To read the selection from any program, bind a key to the "
            "command  parlewind --read-selection  in the desktop's keyboard settings.");
    return {};
}

std::optional<TDesktopCommands::TCommand> TDesktopCommands::Parse(const QStringList &arguments)
{
    if (arguments.size() == 1 && arguments.front().startsWith(QLatin1String("--")) &&
        commandNames.contains(arguments.front().mid(2)))
        return TCommand{arguments.front().mid(2), {}};
    // Files handed over by the desktop ("Open With"), or named on the command line;
    // web addresses as they are.
    QStringList files;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            return std::nullopt;
        files << (TDocumentProcess::IsAddress(argument) ? argument : QFileInfo(argument).absoluteFilePath());
    }
    if (files.isEmpty())
        return std::nullopt;
    return TCommand{QStringLiteral("open"), files};
}

bool TDesktopCommands::Starts(const QString &name)
{
    return name == QLatin1String("read-selection") || name == QLatin1String("read-clipboard") ||
           name == QLatin1String("show") || name == QLatin1String("open");
}

bool TDesktopCommands::ReadsSelection(const QString &name)
{
    return name == QLatin1String("read-selection") || name == QLatin1String("read-clipboard");
}

QString TDesktopCommands::TakeSelection(bool clipboardOnly, QString *text) const
{
    if (m_Taken) {
        // Read a moment ago, when the command was answered.
        *text = *std::exchange(m_Taken, std::nullopt);
        return {};
    }
    QClipboard *clipboard = QApplication::clipboard();
    *text = clipboardOnly || !clipboard->supportsSelection() ? QString() : clipboard->text(QClipboard::Selection);
    if (TextFile::IsBlank(*text))
        *text = clipboard->text(QClipboard::Clipboard);
    if (TextFile::IsBlank(*text)) {
        text->clear();
        return clipboardOnly
                   ? QCoreApplication::translate("TDesktopCommands", "The clipboard holds no text.")
                   : QCoreApplication::translate(
                         "TDesktopCommands",
                         "Nothing is selected, and the clipboard holds no text.");
    }
    const QByteArray bytes = text->toUtf8();
    QString problem;
    if (bytes.size() > MaxSelectionBytes)
        problem =
            QCoreApplication::translate(
                "TDesktopCommands",
                "The selection is %1 MB of text; Parlewind reads at most %2 MB from a selection. "
                "Save it to a file and open that instead.")
                .arg(QString::number(double(bytes.size()) / (1 << 20), 'f', 1))
                .arg(MaxSelectionBytes >> 20);
    else if (TextFile::LooksBinary(bytes))
        problem = QCoreApplication::translate(
            "TDesktopCommands", "The selection does not contain text; it was not read.");
    if (!problem.isEmpty())
        text->clear();
    return problem;
}

void TDesktopCommands::ReadSelection(bool clipboardOnly)
{
    // Pressed again while reading aloud: the reading stops.
    if (m_Core.State() != rsIdle && m_Core.Session().RunTarget() == rtSpeakers) {
        m_Core.Stop();
        return;
    }
    if (m_Core.State() != rsIdle)
        return; // a file run is not interrupted by a shortcut
    QString text;
    const QString problem = SelectionOutOfReach() ? selectionOutOfReach : TakeSelection(clipboardOnly, &text);
    if (!problem.isEmpty()) {
        UtilsClass::Trace(QStringLiteral("Read the selection: ") + problem);
        m_Core.ShowStatus(problem);
        QApplication::beep();
        return;
    }
    // As a paste makes it in the current mode, and read with the article's voice.
    m_Core.ReadSelection(text);
}

QString TDesktopCommands::Refusal(const QString &name) const
{
    m_Taken.reset();
    if (!commandNames.contains(name) && name != QLatin1String("open"))
        return QCoreApplication::translate("TDesktopCommands",
                                           "Parlewind does not know the command \"%1\".")
            .arg(name);
    if (!ReadsSelection(name))
        return {};
    if (m_Core.State() != rsIdle)
        return m_Core.Session().RunTarget() == rtSpeakers
                   ? QString() // it stops the reading
                   : QCoreApplication::translate(
                         "TDesktopCommands",
                         "Parlewind is reading to a file; try again when it is done.");
    if (SelectionOutOfReach())
        return selectionOutOfReach;
    QString text;
    const QString problem = TakeSelection(name == QLatin1String("read-clipboard"), &text);
    if (problem.isEmpty())
        m_Taken = std::move(text);
    return problem;
}

bool TDesktopCommands::Run(const QString &name, const QStringList &files)
{
    if (!commandNames.contains(name) && name != QLatin1String("open"))
        return false;
    m_Queue.push_back({name, files});
    // One at a time: a command given while another runs a loop of its own (a book
    // opening) waits for it instead of running inside it.
    if (m_Running)
        return true;
    m_Running = true;
    const auto done = qScopeGuard([this] { m_Running = false; });
    while (!m_Queue.empty()) {
        TCommand next = std::move(m_Queue.front());
        m_Queue.pop_front();
        // Files handed over meanwhile are opened together: one message for all that fail.
        while (next.Name == QLatin1String("open") && !m_Queue.empty() && m_Queue.front().Name == QLatin1String("open")) {
            next.Files += m_Queue.front().Files;
            m_Queue.pop_front();
        }
        Carry(next.Name, next.Files);
    }
    return true;
}

void TDesktopCommands::Carry(const QString &name, const QStringList &files)
{
    UtilsClass::Trace(QStringLiteral("Command from another program: ") + name);
    const bool paused = m_Core.State() == rsPaused;
    const bool reading = m_Core.State() == rsReading;
    // Pause toggles: each command asks for it only where it makes its change.
    const bool toggles = (name == QLatin1String("pause") && reading) || (name == QLatin1String("resume") && paused) ||
                         (name == QLatin1String("toggle-pause") && (reading || paused));
    if (ReadsSelection(name))
        ReadSelection(name == QLatin1String("read-clipboard"));
    else if (toggles)
        m_Core.TogglePause();
    else if (name == QLatin1String("stop"))
        m_Core.Stop();
    else if (name == QLatin1String("skip"))
        m_Core.Skip();
    else if (name == QLatin1String("show"))
        emit ShowRequested();
    else if (name == QLatin1String("open"))
        emit OpenRequested(files);
}
