#pragma once

#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;

// The program's icon in the notification area and its menu (`PopupMenu2`). It is
// made with the main window and shown at the end of the first show; until then
// nothing can reach its menu.
class TNotifyIcon : public QSystemTrayIcon
{
    Q_OBJECT
public:
    // The main menus' items that the notification menu holds as well, so that
    // their checks always agree.
    struct SharedItems
    {
        QAction *WatchClipboard, *SingleArticle, *MultiArticle, *Exit;
    };
    TNotifyIcon(const QIcon &icon, const SharedItems &shared, QObject *parent);
    ~TNotifyIcon() override;

    QMenu *PopupMenu2 = nullptr;
    QAction *RestoreMItm = nullptr;
    QAction *ToolBarPONtry = nullptr; // "Show &Toolbar"
    QMenu *OptionsPONtry = nullptr;
    QAction *ReadAloudPONtry = nullptr;
    QAction *ReadToFilePONtry = nullptr;
    QAction *SkipPONtry = nullptr;
    QAction *PausePONtry = nullptr;
    QAction *StopPONtry = nullptr;
    QAction *PrevSentencePONtry = nullptr;
    QAction *NextSentencePONtry = nullptr;
    QAction *AboutPONtry = nullptr;

    // True while a notification area shows the icon.
    bool InUse() const;
    // The tip holds the first 63 characters of the status line.
    void SetTip(const QString &text);

signals:
    // The user asked for the main window: a double click, or the one activation
    // a StatusNotifier host reports.
    void RestoreRequested();

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);
    std::unique_ptr<QMenu> m_Menu;
};
