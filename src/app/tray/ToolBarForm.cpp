#include "app/tray/ToolBarForm.h"

#include "controls/Gauge.h"
#include "controls/StyleIcons.h"
#include "settings/Preferences.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

TToolBarForm::TToolBarForm(const TPreferences &prefs)
    // A window of its own (no parent), so that it has its own task-bar entry; the
    // title bar offers only the close box.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_Prefs(prefs)
{
    setObjectName(QStringLiteral("ToolBarForm"));
    setWindowTitle(tr("Parlewind MP3 Toolbar"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    // The window takes the size its contents need, at any font size or scale.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    const auto button = [this](const char *name, const QString &hint) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hint);
        // Without a caption the hint is what a screen reader says.
        b->setAccessibleName(hint);
        b->setMinimumSize(39, 38);
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    PlayToolBtn = button("PlayToolBtn", tr("Read text aloud"));
    PlayFileBtn = button("PlayFileBtn", tr("Read text to file"));
    PauseBtn = button("PauseBtn", tr("Pause / Resume"));
    PrevSentenceBtn = button("PrevSentenceBtn", tr("Previous Sentence"));
    NextSentenceBtn = button("NextSentenceBtn", tr("Next Sentence"));
    PrevSentenceBtn->setIcon(StyleIcon(this, QStyle::SP_MediaSeekBackward));
    NextSentenceBtn->setIcon(StyleIcon(this, QStyle::SP_MediaSeekForward));
    SkipBtn = button("SkipBtn", tr("Skip to next article"));
    StopBtn = button("StopBtn", tr("Stop Reading"));
    ToolBar1->addSeparator();
    RestoreBtn = button("RestoreBtn", tr("Restore main window"));
    RestoreBtn->setIcon(windowIcon());
    layout->addWidget(ToolBar1);

    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(2, 0, 2, 0);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    // Wide enough for "Article 888 of 888" in the font and language in use.
    StatusLabel->setFixedWidth(std::max(
        113,
        fontMetrics().horizontalAdvance(
            QCoreApplication::translate("TReadingSession", "Article %1 of %2").arg(888).arg(888) +
            QLatin1Char(' '))));
    bottom->addWidget(StatusLabel);
    Gauge1 = new TGauge(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setAccessibleName(tr("Progress"));
    Gauge1->SetShowText(false);
    Gauge1->setFixedHeight(std::max(13, fontMetrics().height()));
    Gauge1->setMinimumWidth(120);
    // The gauge keeps its place in the row while it is hidden.
    QSizePolicy policy = Gauge1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Gauge1->setSizePolicy(policy);
    Gauge1->hide();
    bottom->addWidget(Gauge1, 1);
    layout->addLayout(bottom);
}

TToolBarForm::~TToolBarForm()
{
    if (isVisible())
        TPreferences::SavePlacement(this);
}

void TToolBarForm::ShowToolbar()
{
    // Placed where it was last time when it is first needed.
    if (!m_Placed) {
        m_Placed = true;
        TPreferences::RestorePlacement(this);
        // The stored place may be from another screen or scale: keep the whole
        // window, title bar included, on the screen.
        if (const QScreen *shown = screen()) {
            const QRect area = shown->availableGeometry();
            const QSize size = sizeHint() + QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
            move(std::clamp(x(), area.left(), std::max(area.left(), area.right() - size.width())),
                 std::clamp(y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
        }
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
}

void TToolBarForm::SetStatus(const QString &text)
{
    StatusLabel->setText(StatusLabel->fontMetrics().elidedText(text, Qt::ElideRight, StatusLabel->width()));
    StatusLabel->setToolTip(StatusLabel->text() == text ? QString() : text);
    StatusLabel->setAccessibleName(text);
}

bool TToolBarForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && windowHandle()) {
        // Activation brings it to the front; it stays above other windows only
        // while the preference asks for it, which is read here each time.
        windowHandle()->setFlag(Qt::WindowStaysOnTopHint, m_Prefs.ToolbarOnTop);
        raise();
    }
    return QWidget::event(event);
}

void TToolBarForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
    emit Closed();
}

void TToolBarForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        TPreferences::SavePlacement(this);
}
