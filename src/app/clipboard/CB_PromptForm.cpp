#include "app/clipboard/CB_PromptForm.h"

#include "settings/Preferences.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TCB_PromptForm::TCB_PromptForm(TPreferences &prefs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("CB_PromptForm"));
    setWindowTitle(QStringLiteral("Parlewind MP3"));
    setModal(false);
    // At least the designed size; larger when the desktop's font is.
    setMinimumSize(280, 91);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label1 = new QLabel(tr("Copy Clipboard to Speech Buffer ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    layout->addWidget(Label1);
    auto *row = new QHBoxLayout;
    row->setSpacing(21);
    const auto button = [this, row](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumSize(75, 25);
        row->addWidget(b);
        return b;
    };
    New = button("New", tr("&New"));
    Append = button("Append", tr("&Append"));
    Cancel = button("Cancel", tr("Cancel"));
    layout->addLayout(row);
    Append->setToolTip(tr("Append text to current article"));
    Cancel->setToolTip(tr("Cancel clipboard copy to Parlewind MP3"));
    ModeValue = new QLabel(this);
    ModeValue->setObjectName(QStringLiteral("ModeValue"));
    layout->addWidget(ModeValue);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);

    connect(New, &QPushButton::clicked, this, &TCB_PromptForm::NewClick);
    connect(Append, &QPushButton::clicked, this, &TCB_PromptForm::AppendClick);
    connect(Cancel, &QPushButton::clicked, this, &TCB_PromptForm::CancelClick);
    connect(Timer1, &QTimer::timeout, this, &TCB_PromptForm::Timer1Timer);
}

void TCB_PromptForm::ShowPrompt()
{
    Append->setEnabled(!CanAppend || CanAppend());
    const bool multi = m_Prefs.ML_ListMode == 1;
    ModeValue->setText(multi ? tr("Current Mode is Multi-Article Mode")
                             : tr("Current Mode is Single-Article Mode"));
    New->setToolTip(multi ? tr("Add new article") : tr("Overwrite current article"));
    if (m_Prefs.CB_Prompt && m_Prefs.CB_PromptDelay > 0)
        Timer1->start(m_Prefs.CB_PromptDelay * 1000);
    else
        Timer1->stop();
    if (m_Prefs.CB_PromptLeft >= 0) {
        move(m_Prefs.CB_PromptLeft, m_Prefs.CB_PromptTop);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    // To the front without staying on top.
    show();
    raise();
    activateWindow();
    QPushButton *chosen = DefaultButton();
    for (QPushButton *b : {New, Append, Cancel})
        b->setDefault(b == chosen);
    if (chosen)
        chosen->setFocus();
}

QPushButton *TCB_PromptForm::DefaultButton() const
{
    const bool canAppend = Append->isEnabled();
    switch (m_Prefs.CB_DfltPromptAction) {
    case 0: return New;
    case 1: return canAppend ? Append : Cancel;
    case 2: return Cancel;
    case 3:
        if (!canAppend)
            return Cancel;
        return m_Prefs.CB_LastPromptAction == 0 ? New : m_Prefs.CB_LastPromptAction == 1 ? Append : Cancel;
    default:
        // Any other value leaves the default buttons as they are.
        for (QPushButton *b : {New, Append, Cancel}) {
            if (b->isDefault())
                return b;
        }
        return nullptr;
    }
}

void TCB_PromptForm::Act(int action)
{
    m_Prefs.CB_LastPromptAction = static_cast<quint8>(action);
    Timer1->stop();
    hide();
    if (action != 2 && PromptAction)
        PromptAction(action == 1);
}

void TCB_PromptForm::NewClick() { Act(0); }

void TCB_PromptForm::AppendClick() { Act(1); }

void TCB_PromptForm::CancelClick() { Act(2); }

void TCB_PromptForm::Timer1Timer()
{
    Timer1->stop();
    QPushButton *chosen = DefaultButton();
    if (chosen == New)
        NewClick();
    else if (chosen == Append)
        AppendClick();
    else
        CancelClick();
}
