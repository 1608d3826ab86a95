#include "platform/shell/FileDialogs.h"

#include <QFileDialog>

#include <optional>

namespace FileDialogs {
namespace {
std::optional<QString> nextAnswer;
QStringList askedFolders;
} // namespace

QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    askedFolders << dir;
    if (nextAnswer) {
        const QString answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString GetExistingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    askedFolders << dir;
    if (nextAnswer) {
        const QString answer = *nextAnswer;
        nextAnswer.reset();
        return answer;
    }
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

void SetNextAnswer(const QString &answer) { nextAnswer = answer; }

QStringList TakeAskedFolders()
{
    QStringList taken;
    taken.swap(askedFolders);
    return taken;
}

} // namespace FileDialogs
