#pragma once

#include <QDialog>
#include <QStringList>

class PreviewSpeaker;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The engine's general dialog: the languages it can speak, each by its own name
// and in English, to be checked for a female and a male voice. Searchable; the
// chosen language can be heard with Test. Stored when closed with OK.
class LanguagesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LanguagesDialog(QWidget *parent = nullptr);
    ~LanguagesDialog() override;

    QLineEdit *SearchEdit = nullptr;
    QListWidget *LanguageList = nullptr;
    QPushButton *TestBtn = nullptr;

    // The languages checked now, in the list's order.
    QStringList CheckedLanguages() const;
    QListWidgetItem *ItemOf(const QString &identifier) const;
    void Search(const QString &text);
    void TestLanguage();
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ItemChanged(QListWidgetItem *item);
    void CurrentChanged();

    PreviewSpeaker *m_Preview = nullptr;
    bool m_Filling = false;
    bool m_EnterTaken = false; // the search box's Enter, which the dialog lets be
};
