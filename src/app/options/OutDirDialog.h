#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QListView;
class QPushButton;
class QTreeView;
class TPreferences;

// Chooses the folder that sound files are written to: a folder tree, the sound
// files already in the chosen folder, its path, OK and Cancel.
class TOutDirDialog : public QDialog
{
    Q_OBJECT
public:
    TOutDirDialog(TPreferences &prefs, QWidget *parent = nullptr);
    ~TOutDirDialog() override;

    // Opens the folder in the tree (and the file list and path label follow).
    void OpenDirectory(const QString &path);
    QString SelectedDirectory() const;

    QTreeView *DirectoryList = nullptr;
    QListView *FileList = nullptr;
    QLabel *PathLabel = nullptr;
    QPushButton *NewFolderBtn = nullptr;
    // Makes "New Folder" in the chosen folder and lets the user name it.
    void NewFolder();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    TPreferences &m_Prefs;
    QFileSystemModel *m_Dirs = nullptr;
    QFileSystemModel *m_Files = nullptr;
    // The folder being opened while the tree is still being read.
    QString m_Opening;
};
