#include "app/clipboard/SIBusyForm.h"

#include "settings/Preferences.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TSIBusyForm::TSIBusyForm(TPreferences &prefs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      m_Prefs(prefs)
{
    setObjectName(QStringLiteral("SIBusyForm"));
    setWindowTitle(tr("Parlewind Busy ..."));
    resize(393, 157);
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("In Single-Item mode, Parlewind cannot copy from \n"
                               "the clipboard while text is being read."),
                            this);
    text->setObjectName(QStringLiteral("BusyText"));
    text->setAlignment(Qt::AlignCenter);
    QFont font = text->font();
    font.setPointSizeF(font.pointSizeF() * 1.35);
    text->setFont(font);
    layout->addWidget(text, 1);
    DontShowCB = new QCheckBox(tr("&Do not show this dialog again"), this);
    DontShowCB->setObjectName(QStringLiteral("DontShowCB"));
    layout->addWidget(DontShowCB);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(DontShowCB, &QCheckBox::clicked, this, [this](bool on) { m_Prefs.SI_ShowBusyDialog = !on; });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TSIBusyForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
