#pragma once

#include "articles/PropertyPanel.h"

#include <QFrame>

#include <functional>

class QImage;
class QPlainTextEdit;
class TMemoEntry;

// The widget that shows one article while it is in view: the strip over a text
// box. The list keeps a few of these and gives them to whichever articles are in
// view; edits go straight to the article shown.
class TMemoEntryView : public QFrame
{
    Q_OBJECT
public:
    explicit TMemoEntryView(QWidget *parent = nullptr);
    ~TMemoEntryView() override;

    void Bind(TMemoEntry *entry);
    void Unbind();
    TMemoEntry *Entry() const { return m_Entry; }

    void ShowTitleAndVoice();
    // What a screen reader calls the text box: "Article 3 of 12: Morning news".
    void ShowName();
    void ShowText();
    // Lays the text out from the right or the left as its first strong character runs.
    void FollowTextDirection();
    // The editor's text as it was given: lines split by '\n', no-break spaces kept.
    QString ShownText() const;
    void ShowColor();
    void ShowLocked();
    // Puts the caret at start, selecting up to end when end lies past it.
    void ShowReadingPosition(qint32 start, qint32 end);

    // The focus moved into the article's strip or text box.
    std::function<void(TMemoEntry *)> Entered;
    // The text of a picture pasted into the text box (empty when there is none, or
    // it could not be read).
    std::function<QString(const QImage &)> PictureText;
    // Text pasted into the text box: true when it was a web address whose page is
    // opened instead.
    std::function<bool(const QString &)> AddressPasted;

    TPropertyPanel *Strip = nullptr;
    QPlainTextEdit *TextBox = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PastePicture(const QImage &picture);

    TMemoEntry *m_Entry = nullptr;
    bool m_Filling = false;
    bool m_ShownLocked = false;
};
