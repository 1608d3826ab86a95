#pragma once

#include "speech/TTSForm.h"

#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Voice Sources": where the voices come from (the program's own engines, the
// user's speech-dispatcher and Piper) and what each offers now; for Piper, its
// program and the folders its voices are looked for in.
class TVoiceSourcesPage : public QWidget
{
    Q_OBJECT
public:
    explicit TVoiceSourcesPage(QWidget *parent = nullptr);

    QLineEdit *PiperProgramEdit = nullptr;
    QListWidget *PiperFoldersList = nullptr;
    QPushButton *AddFolderBtn = nullptr;
    QPushButton *RemoveFolderBtn = nullptr;

    // The main window: each source's state, the Piper choices as stored, and
    // applying new ones (false: not now, a reading is in progress).
    std::function<std::vector<TTTSForm::TVoiceSource>()> Sources;
    std::function<std::pair<QString, QStringList>()> PiperChoices;
    std::function<bool(const QString &program, const QStringList &folders)> ApplyPiper;

    // Every state and the Piper choices shown anew.
    void Refresh();
    void AddFolderBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Apply(const QString &program, const QStringList &folders);

    QFormLayout *m_States = nullptr;
    QLabel *m_Note = nullptr;
    QStringList m_Added;
};
