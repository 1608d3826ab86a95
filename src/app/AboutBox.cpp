#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Parlewind MP3"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *icon = new QLabel(this);
    icon->setPixmap(windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);

    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setAlignment(Qt::AlignCenter);
    text->setTextFormat(Qt::RichText);
    text->setText(tr("<h2>Parlewind MP3</h2>"
                     "<p>Version %1</p>"
                     "<p>Reads your text aloud, or into WAV and MP3 files.</p>"
                     "<p>&copy; Brivanta Technologies</p>")
                      .arg(QStringLiteral(PARLEWIND_VERSION)));
    layout->addWidget(text);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

const QString MakerSite = QStringLiteral("http://www.brivantatech.com");

QString TellAFriendCommand()
{
    const QString recipient;
    QString subject = QStringLiteral("Parlewind MP3");
    QString body = TAboutBox::tr("Check out Parlewind MP3 at %1 .  "
                                 "Parlewind MP3 lets you listen to text you copy to the clipboard. "
                                 "It uses Text to Speech technology which actually synthesizes "
                                 "natural sounding speech from ordinary text.  Listen to your "
                                 "email, news, any text you want.  You can also convert your text "
                                 "to wav or MP3 files so you can listen later.  "
                                 "Try Parlewind MP3 free today at %1")
                       .arg(MakerSite);
    for (QString *text : {&subject, &body}) {
        text->remove(QLatin1Char('\''));
        text->remove(QLatin1Char('&'));
    }
    if (subject.size() > 100)
        subject = subject.left(100) + QStringLiteral("...");
    const QString command = QStringLiteral("mailto:") + recipient + QStringLiteral("?Subject=") +
                            subject + QStringLiteral("&Body=") + body;
    return command.left(1000);
}
