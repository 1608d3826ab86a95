#pragma once

#include "platform/sapi/TextPrep.h"

#include <QDialog>

#include <memory>

class PreviewSpeaker;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The pronunciation editor: a table of words and how they should sound, with
// buttons to add, change, delete and hear an entry. Saved when closed with OK.
class LexiconDialog : public QDialog
{
    Q_OBJECT
public:
    LexiconDialog(const QString &voice, const Prosody &prosody, QWidget *parent = nullptr);
    ~LexiconDialog() override;

    // False when the stored list could not be read (the user was told why).
    bool Loaded = false;
    QTableWidget *Table = nullptr;
    QLineEdit *WordEdit = nullptr;
    QLineEdit *SoundsLikeEdit = nullptr;
    QPushButton *AddBtn = nullptr;
    QPushButton *ChangeBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *TestBtn = nullptr;

    void AddEntry();
    void ChangeEntry();
    void DeleteEntry();
    void TestEntry();
    void accept() override;

private:
    int RowOf(const QString &word) const;
    void SetRow(int row, const QString &word, const QString &soundsLike);
    void SelectionChanged();

    QString m_Voice;
    Prosody m_Prosody;
    PreviewSpeaker *m_Preview = nullptr;
    // Lines of the file that are not entries, saved back unchanged.
    QList<QByteArray> m_Kept;
};
