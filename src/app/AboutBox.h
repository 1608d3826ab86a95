#pragma once

#include <QDialog>

// The modal "About Parlewind MP3" window.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
