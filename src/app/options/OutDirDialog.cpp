#include "app/options/OutDirDialog.h"

#include "platform/shell/Messages.h"
#include "settings/Preferences.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

TOutDirDialog::TOutDirDialog(TPreferences &prefs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("OutDirDialog"));
    setWindowTitle(tr("Select Output Directory"));
    resize(410, 366);

    m_Dirs = new QFileSystemModel(this);
    m_Dirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_Dirs->setRootPath(QDir::rootPath());
    m_Files = new QFileSystemModel(this);
    m_Files->setFilter(QDir::Files);
    // Without QDir::CaseSensitive the patterns match either case.
    m_Files->setNameFilters({QStringLiteral("*.wav"), QStringLiteral("*.mp3")});
    m_Files->setNameFilterDisables(false);

    auto *splitter = new QSplitter(this);
    DirectoryList = new QTreeView(splitter);
    DirectoryList->setObjectName(QStringLiteral("DirectoryList"));
    DirectoryList->setModel(m_Dirs);
    for (int column = 1; column < m_Dirs->columnCount(); ++column)
        DirectoryList->hideColumn(column);
    DirectoryList->header()->hide();
    FileList = new QListView(splitter);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setModel(m_Files);
    splitter->addWidget(DirectoryList);
    splitter->addWidget(FileList);
    splitter->setSizes({185, 225});

    auto *current = new QHBoxLayout;
    current->addWidget(new QLabel(tr("Current Directory:"), this));
    PathLabel = new QLabel(this);
    PathLabel->setObjectName(QStringLiteral("PathLabel"));
    current->addWidget(PathLabel, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    NewFolderBtn = buttons->addButton(tr("&New Folder"), QDialogButtonBox::ActionRole);
    NewFolderBtn->setObjectName(QStringLiteral("NewFolderBtn"));
    connect(NewFolderBtn, &QPushButton::clicked, this, &TOutDirDialog::NewFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(current);
    layout->addWidget(buttons);

    connect(DirectoryList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) {
                const QString path = m_Dirs->filePath(index);
                FileList->setRootIndex(m_Files->setRootPath(path));
                PathLabel->setText(QDir::toNativeSeparators(path));
            });
    // Folders can be renamed in the tree (a new one is named at once).
    m_Dirs->setReadOnly(false);
    DirectoryList->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(m_Dirs, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (!m_Opening.isEmpty() && m_Opening.startsWith(loaded))
            OpenDirectory(m_Opening);
        if (loaded == m_Opening)
            m_Opening.clear();
    });
    TPreferences::RestorePlacement(this);
}

TOutDirDialog::~TOutDirDialog() = default;

void TOutDirDialog::OpenDirectory(const QString &path)
{
    const QModelIndex index = m_Dirs->index(QDir(path).absolutePath());
    if (!index.isValid())
        return;
    // The folders above it are read in the background: open the way down now,
    // and bring it into view again once they have been read.
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        DirectoryList->expand(parent);
    DirectoryList->setCurrentIndex(index);
    DirectoryList->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_Opening = QDir(path).absolutePath();
}

void TOutDirDialog::NewFolder()
{
    const QModelIndex parent = DirectoryList->currentIndex();
    if (!parent.isValid())
        return;
    QString name = tr("New Folder");
    for (int n = 2; QDir(m_Dirs->filePath(parent)).exists(name); ++n)
        name = tr("New Folder %1").arg(n);
    const QModelIndex made = m_Dirs->mkdir(parent, name);
    if (!made.isValid()) {
        Messages::ShowError(tr("A folder could not be made in %1").arg(m_Dirs->filePath(parent)));
        return;
    }
    DirectoryList->expand(parent);
    DirectoryList->setCurrentIndex(made);
    DirectoryList->edit(made); // the user names it
}

QString TOutDirDialog::SelectedDirectory() const { return m_Dirs->filePath(DirectoryList->currentIndex()); }

void TOutDirDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    OpenDirectory(m_Prefs.OUT_Directory);
}

void TOutDirDialog::done(int result)
{
    if (result == QDialog::Accepted && !SelectedDirectory().isEmpty())
        m_Prefs.OUT_Directory = SelectedDirectory();
    TPreferences::SavePlacement(this);
    QDialog::done(result);
}
