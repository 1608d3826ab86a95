#pragma once

#include <QDialog>

class QCheckBox;
class TPreferences;

// Explains why copied text is not taken while the single article is being read;
// "Do not show this dialog again" switches it off at once.
class TSIBusyForm : public QDialog
{
    Q_OBJECT
public:
    TSIBusyForm(TPreferences &prefs, QWidget *parent = nullptr);

    QCheckBox *DontShowCB = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TPreferences &m_Prefs;
};
