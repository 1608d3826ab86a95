#include "audiohelp/AudioHelp.h"

#include "audiohelp/GrabBaseClass.h"
#include "log/UtilsClass.h"
#include "platform/shell/ProgramPaths.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

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
        auto *item = new QAction(caption, owner);
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
