#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QObject;

// The "&Audio Help" menu: one entry per topic of "AudioHelp.chl", whose text is
// read aloud when the entry is chosen. Holds nothing; the file is read again at
// every choice, so an edited text is heard at once.
class TAudioHelp
{
public:
    static QString HelpFile();
    // Appends an entry per topic, in the order of their numbers, owned by `owner`.
    // Each entry's data holds its caption as written in the file.
    static void BuildHelpMenu(QMenu *parentItem, QObject *owner, const std::function<void(QAction *)> &onClick);
    // The text read for the topic with this caption (in any letter case); empty
    // when there is none.
    static QString GetTopicText(const QString &caption);
};
