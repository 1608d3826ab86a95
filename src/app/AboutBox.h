#pragma once

#include <QDialog>
#include <QString>

// The modal "About Parlewind MP3" window.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

// The maker's web site.
extern const QString MakerSite;
// The mail command of "Tell a Friend", as handed to the desktop.
QString TellAFriendCommand();
