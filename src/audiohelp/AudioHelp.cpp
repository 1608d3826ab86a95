#include "audiohelp/AudioHelp.h"

#include "audiohelp/GrabBaseClass.h"
#include "log/UtilsClass.h"
#include "platform/shell/ProgramPaths.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

namespace {

// The topics of the help file as the menu shows them; the file's own captions stay
// the topics' keys (its spoken texts are English).
[[maybe_unused]] const char *const topicCaptions[] = {
    QT_TRANSLATE_NOOP("AudioHelp", "&Getting started"),
    QT_TRANSLATE_NOOP("AudioHelp", "Gathering &text"),
    QT_TRANSLATE_NOOP("AudioHelp", "&Single and multi-article mode"),
    QT_TRANSLATE_NOOP("AudioHelp", "&Reading aloud, pausing and skipping"),
    QT_TRANSLATE_NOOP("AudioHelp", "Reading to &WAV and MP3 files"),
    QT_TRANSLATE_NOOP("AudioHelp", "&Voices, speed and pitch"),
    QT_TRANSLATE_NOOP("AudioHelp", "The &pronunciation editor"),
    QT_TRANSLATE_NOOP("AudioHelp", "Using the &keyboard"),
    QT_TRANSLATE_NOOP("AudioHelp", "When there is &no sound"),
    QT_TRANSLATE_NOOP("AudioHelp", "Installing &more voices"),
    QT_TRANSLATE_NOOP("AudioHelp", "The notification area and the &floating tool bar"),
};

} // namespace

QString TAudioHelp::HelpFile()
{
    return ProgramPaths::DataFile(QStringLiteral("AudioHelp.chl"));
}

void TAudioHelp::BuildHelpMenu(QMenu *parentItem, QObject *owner, const std::function<void(QAction *)> &onClick)
{
    GrabBaseClass help;
    QString error;
    // A missing file only means no topics; one that is there but cannot be read
    // is worth a line in the trace log.
    if (!help.Load(HelpFile(), error) && QFileInfo::exists(HelpFile()))
        UtilsClass::Trace(QStringLiteral("Audio Help: ") + error);
    QStringList captions;
    help.GetList(QStringLiteral("/"), QStringLiteral("HelpTopics"), captions);
    for (const QString &caption : std::as_const(captions)) {
        // A number the file skips leaves a gap, not an entry nobody can name.
        if (caption.isEmpty())
            continue;
        auto *item = new QAction(
            QCoreApplication::translate("AudioHelp", caption.toUtf8().constData()), owner);
        item->setData(caption);
        QObject::connect(item, &QAction::triggered, owner, [onClick, item] { onClick(item); });
        parentItem->addAction(item);
    }
}

QString TAudioHelp::GetTopicText(const QString &caption)
{
    GrabBaseClass help;
    QString error;
    help.Load(HelpFile(), error);
    return help.GetValue(QStringLiteral("/"), caption);
}
