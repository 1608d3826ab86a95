#include "app/tray/NotifyIcon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace {

// Qt draws the icon in an XEmbed notification area with a window of its own; a
// StatusNotifier host has none. The first reports a double click as two single
// activations and a double one; the second only ever reports a single one.
bool DrawnByXEmbed()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [](const QWidget *w) { return w->inherits("QSystemTrayIconSys"); });
}

} // namespace

TNotifyIcon::TNotifyIcon(const QIcon &icon, const SharedItems &shared, QObject *parent)
    : QSystemTrayIcon(icon, parent), m_Menu(std::make_unique<QMenu>())
{
    setObjectName(QStringLiteral("TrayIcon"));
    setToolTip(tr("Parlewind MP3"));
    PopupMenu2 = m_Menu.get();
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    const auto item = [](QMenu *menu, const char *name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    RestoreMItm = item(PopupMenu2, "RestoreMItm", tr("Restore"));
    PopupMenu2->setDefaultAction(RestoreMItm);
    ToolBarPONtry = item(PopupMenu2, "ToolBarPONtry", tr("Show &Toolbar"));
    ToolBarPONtry->setEnabled(false);
    PopupMenu2->addSeparator();
    OptionsPONtry = PopupMenu2->addMenu(tr("&Options"));
    OptionsPONtry->setObjectName(QStringLiteral("OptionsPONtry"));
    OptionsPONtry->addAction(shared.WatchClipboard);
    OptionsPONtry->addSeparator();
    OptionsPONtry->addAction(shared.SingleArticle);
    OptionsPONtry->addAction(shared.MultiArticle);
    PopupMenu2->addSeparator();
    ReadAloudPONtry = item(PopupMenu2, "ReadAloudPONtry", tr("Read &Aloud"));
    ReadToFilePONtry = item(PopupMenu2, "ReadToFilePONtry", tr("Read to &File"));
    SkipPONtry = item(PopupMenu2, "SkipPONtry", tr("S&kip"));
    PausePONtry = item(PopupMenu2, "PausePONtry", tr("&Pause"));
    StopPONtry = item(PopupMenu2, "StopPONtry", tr("&Stop"));
    PrevSentencePONtry = item(PopupMenu2, "PrevSentencePONtry", tr("Pre&vious Sentence"));
    NextSentencePONtry = item(PopupMenu2, "NextSentencePONtry", tr("&Next Sentence"));
    PopupMenu2->addSeparator();
    AboutPONtry = item(PopupMenu2, "AboutPONtry", tr("A&bout"));
    PopupMenu2->addSeparator();
    PopupMenu2->addAction(shared.Exit);
    setContextMenu(PopupMenu2);

    connect(RestoreMItm, &QAction::triggered, this, &TNotifyIcon::RestoreRequested);
    connect(this, &QSystemTrayIcon::activated, this, &TNotifyIcon::Activated);
}

TNotifyIcon::~TNotifyIcon()
{
    // The menu goes after the icon that shows it.
    setContextMenu(nullptr);
}

bool TNotifyIcon::InUse() const
{
    return isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TNotifyIcon::SetTip(const QString &text)
{
    setToolTip(text.left(63));
}

void TNotifyIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == DoubleClick || (reason == Trigger && !DrawnByXEmbed()))
        emit RestoreRequested();
}
