#pragma once

#include "core/ReadState.h"

#include <QList>
#include <QObject>
#include <QString>

class TProgramCore;

// Every place a reading command lives (the tool bar, the menus, the notification
// area's menu, the floating tool bar), wired to the program core once and enabled
// from its state.
class TReadingActions : public QObject
{
    Q_OBJECT
public:
    enum TCommand { Aloud, File, Pause, Skip, Stop, PreviousSentence, NextSentence, WhenIdle };

    explicit TReadingActions(TProgramCore &core, QObject *parent = nullptr);

    // A button or menu item that carries out `command` (WhenIdle: something that
    // has its own handler and is enabled only while nothing is read).
    void Add(TCommand command, QObject *place);
    void Add(TCommand command, const QList<QObject *> &places);
    // A place whose caption says whether Pause pauses or resumes.
    void AddPauseCaption(QObject *place, const QString &pause, const QString &resume);
    // Enables every place as the state allows.
    void Update();

private:
    void Connect(TCommand command, QObject *place);
    void ShowPaused(bool paused);

    struct Place
    {
        TCommand Command;
        QObject *Object;
    };
    struct Caption
    {
        QObject *Object;
        QString Pause;
        QString Resume;
    };
    TProgramCore &m_Core;
    QList<Place> m_Places;
    QList<Caption> m_Captions;
};
