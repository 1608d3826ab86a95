#pragma once

#include <QWidget>

class QLabel;
class QToolBar;
class QToolButton;
class TGauge;
class TPreferences;

// The floating tool bar: a small window of its own, with a task-bar entry, that
// controls the reading while the main window is away. Closing it only hides it.
class TToolBarForm : public QWidget
{
    Q_OBJECT
public:
    explicit TToolBarForm(const TPreferences &prefs);
    ~TToolBarForm() override;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *PlayToolBtn = nullptr;
    QToolButton *PlayFileBtn = nullptr;
    QToolButton *PauseBtn = nullptr;
    QToolButton *PrevSentenceBtn = nullptr;
    QToolButton *NextSentenceBtn = nullptr;
    QToolButton *SkipBtn = nullptr;
    QToolButton *StopBtn = nullptr;
    QToolButton *RestoreBtn = nullptr;
    QLabel *StatusLabel = nullptr;
    TGauge *Gauge1 = nullptr;

    // Shows it in its normal state, where it was last placed.
    void ShowToolbar();
    // The short status text; one too long for the label is shortened, whole in its tip.
    void SetStatus(const QString &text);

signals:
    // The user closed it.
    void Closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const TPreferences &m_Prefs;
    bool m_Placed = false;
};
