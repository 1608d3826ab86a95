#pragma once

#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TPreferences;

// "File Options": WAV, MP3, M4B, Opus or a read-along book (and how the book
// lights its text and which sound it holds), the timed text beside the files, and
// the folder that sound files are written to.
class TFileOptionsPage : public QWidget
{
    Q_OBJECT
public:
    TFileOptionsPage(TPreferences &prefs, QWidget *parent = nullptr);

    QButtonGroup *FileFormatRGrp = nullptr;
    QComboBox *SubtitlesCombo = nullptr;
    QCheckBox *HighlightWordsCheck = nullptr;
    QComboBox *BookAudioCombo = nullptr;
    QLineEdit *OutDirEdit = nullptr;
    QPushButton *Button1 = nullptr; // "Browse"

    // The format is stored only once the program has started.
    std::function<bool()> Initialized;

    // Shows the stored values.
    void Load();
    void FileFormatRGrpClick(int index);
    void OutDirEditChange(const QString &text);
    void Button1Click();

private:
    // The book's own choices count only for a book.
    void ShowBookChoices();

    TPreferences &m_Prefs;
};
