#include "app/desktop/DesktopCommands.h"

#include "app/Form1.h"
#include "articles/MemoListBox.h"
#include "articles/TextFile.h"
#include "log/UtilsClass.h"
#include "platform/shell/GlobalShortcut.h"

#include <QClipboard>
#include <QFileInfo>
#include <QApplication>

namespace {

const QStringList commandNames{QStringLiteral("read-selection"), QStringLiteral("read-clipboard"), QStringLiteral("pause"),
                               QStringLiteral("resume"),         QStringLiteral("toggle-pause"),   QStringLiteral("stop"),
                               QStringLiteral("skip"),           QStringLiteral("show")};

} // namespace

TDesktopCommands::TDesktopCommands(TForm1 &form, QObject *parent)
    : QObject(parent), m_Form(form), m_Shortcut(new GlobalShortcut(this))
{
    connect(m_Shortcut, &GlobalShortcut::Activated, this, [this] { ReadSelection(); });
    connect(m_Shortcut, &GlobalShortcut::Answered, this, &TDesktopCommands::ShortcutNote);
}

QString TDesktopCommands::SetReadSelectionKey(const QKeySequence &key)
{
    // The desktop was asked for its portal once, when the shortcut was made.
    if (!m_Shortcut->Usable())
        return QStringLiteral("This desktop lets no program take a shortcut of its own: in its keyboard settings, "
                              "bind a key to the command  parlewind --read-selection");
    QString error;
    if (!m_Shortcut->Set(key, &error)) {
        UtilsClass::Trace(QStringLiteral("The shortcut could not be taken: ") + error);
        return error;
    }
    return {};
}

std::optional<TDesktopCommands::TCommand> TDesktopCommands::Parse(const QStringList &arguments)
{
    if (arguments.size() == 1 && arguments.front().startsWith(QLatin1String("--")) &&
        commandNames.contains(arguments.front().mid(2)))
        return TCommand{arguments.front().mid(2), {}};
    // Files handed over by the desktop ("Open With"), or named on the command line.
    QStringList files;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            return std::nullopt;
        files << QFileInfo(argument).absoluteFilePath();
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

void TDesktopCommands::ReadSelection(bool clipboardOnly)
{
    // Pressed again while reading aloud: the reading stops.
    if (m_Form.ReadingState != rsIdle && m_Form.RunTarget == rtSpeakers) {
        m_Form.StopBtnClick();
        return;
    }
    if (m_Form.ReadingState != rsIdle)
        return; // a file run is not interrupted by a shortcut
    QClipboard *clipboard = QApplication::clipboard();
    QString text = clipboardOnly || !clipboard->supportsSelection() ? QString() : clipboard->text(QClipboard::Selection);
    if (TextFile::IsBlank(text))
        text = clipboard->text(QClipboard::Clipboard);
    if (TextFile::IsBlank(text)) {
        UtilsClass::Trace(QStringLiteral("Read the selection: nothing is selected"));
        QApplication::beep();
        return;
    }
    // As a paste makes it in the current mode, and read with the article's voice.
    TMemoEntry *article = m_Form.AddMemo(text, m_Form.ChooseVoice());
    if (article)
        m_Form.ReadArticle(article, rtSpeakers, true);
}

bool TDesktopCommands::Run(const QString &name, const QStringList &files)
{
    UtilsClass::Trace(QStringLiteral("Command from another program: ") + name);
    const bool paused = m_Form.ReadingState == rsPaused;
    const bool reading = m_Form.ReadingState == rsReading;
    // Pause toggles: each command asks for it only where it makes its change.
    const bool toggles = (name == QLatin1String("pause") && reading) || (name == QLatin1String("resume") && paused) ||
                         (name == QLatin1String("toggle-pause") && (reading || paused));
    if (name == QLatin1String("read-selection") || name == QLatin1String("read-clipboard"))
        ReadSelection(name == QLatin1String("read-clipboard"));
    else if (toggles)
        m_Form.PauseBtnClick();
    else if (name == QLatin1String("stop"))
        m_Form.StopBtnClick();
    else if (name == QLatin1String("skip"))
        m_Form.SkipBtnClick();
    else if (name == QLatin1String("show"))
        m_Form.RestoreRequest();
    else if (name == QLatin1String("open"))
        m_Form.OpenFiles(files);
    else
        return commandNames.contains(name);
    return true;
}
