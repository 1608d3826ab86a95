#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Parlewind MP3"));
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
    text->setText(QStringLiteral("<h2>Parlewind MP3</h2>"
                                 "<p>Version %1</p>"
                                 "<p>Reads your text aloud, or into WAV and MP3 files.</p>"
                                 "<p>&copy; Brivanta Technologies</p>")
                      .arg(QStringLiteral(PARLEWIND_VERSION)));
    layout->addWidget(text);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
