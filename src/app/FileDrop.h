#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

// Files dropped anywhere on a window are opened, also over an article's text
// (which would otherwise take in their names); text dropped where no text box
// takes it becomes an article, like a paste.
class TFileDrop : public QObject
{
    Q_OBJECT
public:
    explicit TFileDrop(QWidget *window);

signals:
    void FilesDropped(const QStringList &files);
    void TextDropped(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_Window;
};
