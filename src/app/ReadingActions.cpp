#include "app/ReadingActions.h"

#include "core/ProgramCore.h"
#include "core/ReadingSession.h"

#include <QAbstractButton>
#include <QAction>

#include <functional>

namespace {

void SetEnabled(QObject *place, bool on)
{
    if (auto *action = qobject_cast<QAction *>(place))
        action->setEnabled(on);
    else if (auto *widget = qobject_cast<QWidget *>(place))
        widget->setEnabled(on);
}

void SetText(QObject *place, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(place))
        action->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(place))
        button->setText(text);
}

} // namespace

TReadingActions::TReadingActions(TProgramCore &core, QObject *parent) : QObject(parent), m_Core(core)
{
    connect(&core.Session(), &TReadingSession::StateChanged, this, &TReadingActions::Update);
    connect(&core.Session(), &TReadingSession::PauseChanged, this, &TReadingActions::ShowPaused);
}

void TReadingActions::Add(TCommand command, QObject *place)
{
    m_Places.push_back({command, place});
    Connect(command, place);
    // One that goes first leaves the table.
    connect(place, &QObject::destroyed, this, [this, place] {
        m_Places.removeIf([place](const Place &p) { return p.Object == place; });
        m_Captions.removeIf([place](const Caption &c) { return c.Object == place; });
    });
}

void TReadingActions::Add(TCommand command, const QList<QObject *> &places)
{
    for (QObject *place : places)
        Add(command, place);
}

void TReadingActions::AddPauseCaption(QObject *place, const QString &pause, const QString &resume)
{
    m_Captions.push_back({place, pause, resume});
}

void TReadingActions::Connect(TCommand command, QObject *place)
{
    TProgramCore &core = m_Core;
    std::function<void()> run;
    switch (command) {
    case Aloud: run = [&core] { core.ReadAloud(); }; break;
    case File: run = [&core] { core.ReadToFile(); }; break;
    case Pause: run = [&core] { core.TogglePause(); }; break;
    case Skip: run = [&core] { core.Skip(); }; break;
    case Stop: run = [&core] { core.Stop(); }; break;
    case PreviousSentence: run = [&core] { core.JumpSentence(-1); }; break;
    case NextSentence: run = [&core] { core.JumpSentence(+1); }; break;
    case WhenIdle: return;
    }
    if (auto *action = qobject_cast<QAction *>(place))
        connect(action, &QAction::triggered, this, run);
    else if (auto *button = qobject_cast<QAbstractButton *>(place))
        connect(button, &QAbstractButton::clicked, this, run);
}

void TReadingActions::Update()
{
    for (const Place &place : std::as_const(m_Places)) {
        bool on = false;
        switch (place.Command) {
        case Aloud:
        case File:
        case WhenIdle: on = m_Core.CanRead(); break;
        case Pause:
        case Stop: on = m_Core.CanPause(); break;
        case PreviousSentence:
        case NextSentence: on = m_Core.CanJumpSentence(); break;
        case Skip: on = m_Core.CanSkip(); break;
        }
        SetEnabled(place.Object, on);
    }
}

void TReadingActions::ShowPaused(bool paused)
{
    for (const Caption &caption : std::as_const(m_Captions))
        SetText(caption.Object, paused ? caption.Resume : caption.Pause);
}
