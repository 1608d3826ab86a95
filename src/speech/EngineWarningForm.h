#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

// Tells the user that no speech engine could be found and where to get one; its
// only button ends the program.
class TEngineWarningForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEngineWarningForm(QWidget *parent = nullptr);

    // Where the download link and the support link lead.
    static QString DownloadAddress();
    static const QString SupportAddress;

    void DownloadLinkClick();
    void SupportLinkClick();

    QPushButton *ExitButton = nullptr;
};
