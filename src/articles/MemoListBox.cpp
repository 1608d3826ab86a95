#include "articles/MemoListBox.h"

#include "articles/MemoEntryView.h"
#include "log/UtilsClass.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

TMemoListBox::TMemoListBox(QWidget *parent) : TMemoListBox(*new TArticleList, parent)
{
    m_List->setParent(this);
}

TMemoListBox::TMemoListBox(TArticleList &list, QWidget *parent) : QFrame(parent), m_List(&list)
{
    setObjectName(QStringLiteral("MemoListBox"));
    setFrameStyle(QFrame::NoFrame);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ClientPanel = new QWidget(this);
    ClientPanel->setObjectName(QStringLiteral("ClientPanel"));
    // Holds the focus while no article does.
    ClientPanel->setFocusPolicy(Qt::ClickFocus);
    ClientPanel->setAccessibleName(tr("Articles"));
    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setMinimum(0);
    ScrollBar->setMaximum(0);
    ScrollBar->setPageStep(1);
    ScrollBar->hide();
    layout->addWidget(ClientPanel, 1);
    layout->addWidget(ScrollBar);
    m_List->SelectedColor = palette().color(QPalette::Base);
    m_List->UnselectedColor = palette().color(QPalette::Button);
    Follow();
    connect(ScrollBar, &QScrollBar::valueChanged, this, [this](int value) { ScrollToTop(value + 1); });
}

TMemoListBox::~TMemoListBox()
{
    // The views go first: a list of our own goes with us, and one shared outlives us.
    for (TMemoEntryView *view : m_Views)
        view->Unbind();
}

void TMemoListBox::Follow()
{
    connect(m_List, &TArticleList::EntryAdded, this, &TMemoListBox::ShowAdded);
    connect(m_List, &TArticleList::CurrentChanged, this, &TMemoListBox::ShowCurrent);
    connect(m_List, &TArticleList::EntryRemoved, this, &TMemoListBox::ShowRemoved);
    connect(m_List, &TArticleList::ImportFinished, this, [this] {
        if (m_PendingTop > 0) {
            const int top = std::min(m_PendingTop, std::max(1, Count()));
            m_PendingTop = 0;
            ScrollToTop(top);
        }
    });
}

void TMemoListBox::Trace(const char *operation) const
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - ") + QLatin1String(operation) +
                      QStringLiteral(" [%1 %2]").arg(m_List->Entries.size()).arg(m_List->HiddenCount));
}

void TMemoListBox::SetVisibleEntries(int n)
{
    m_VisibleEntries = std::max(1, n);
    ScrollBar->setPageStep(m_VisibleEntries);
}

bool TMemoListBox::IsShown(const TMemoEntry *entry) const
{
    return entry && entry->View() && entry->View()->isVisibleTo(this);
}

void TMemoListBox::FocusText(TMemoEntry *entry)
{
    if (entry && entry->View() && isVisible())
        entry->View()->TextBox->setFocus();
}

TMemoEntryView *TMemoListBox::FreeView()
{
    for (TMemoEntryView *view : m_Views) {
        if (!view->Entry())
            return view;
    }
    auto *view = new TMemoEntryView(ClientPanel);
    view->Strip->VoiceNames = [this] { return VoiceNames ? VoiceNames() : QStringList(); };
    if (MoreLanguages)
        view->Strip->MoreLanguages = [this] { return MoreLanguages(); };
    view->Entered = [this](TMemoEntry *entry) { m_List->Enter(entry); };
    view->PictureText = [this](const QImage &picture) { return PictureText ? PictureText(picture) : QString(); };
    view->AddressPasted = [this](const QString &text) { return AddressPasted && AddressPasted(text); };
    m_Views.push_back(view);
    return view;
}

void TMemoListBox::ShowAdded(TMemoEntry *entry)
{
    const int n = Count();
    ScrollToTop(n <= m_VisibleEntries ? 1 : n - m_VisibleEntries + 1);
    FocusText(entry);
}

void TMemoListBox::ShowCurrent(int position)
{
    TMemoEntry *current = CurrentEntry();
    if (!current)
        return;
    if (IsShown(current)) {
        if (m_List->PositionOf(current) == position)
            FocusText(current);
        return;
    }
    ScrollToTop(m_VisibleEntries < position ? position - m_VisibleEntries + 1 : 1);
    QCoreApplication::processEvents();
}

void TMemoListBox::ShowRemoved()
{
    if (Count() > 0)
        ScrollToTop(1);
}

void TMemoListBox::ScrollToTop(int top)
{
    Trace("ScrollToTop");
    const int n = Count();
    if (n == 0)
        return;
    if (m_List->Importing) {
        m_PendingTop = top;
        return;
    }
    const int shownSlots = n > m_VisibleEntries ? m_VisibleEntries : n;
    ScrollBar->setMaximum(std::max(0, n - m_VisibleEntries));
    ScrollBar->setVisible(n > m_VisibleEntries);
    // Rounded half to even, like the platform the layout was designed on.
    const int h = static_cast<int>(std::nearbyint(double(ClientPanel->height()) / shownSlots));

    std::vector<TMemoEntry *> window;
    for (int k = std::max(1, top); k < top + m_VisibleEntries && k <= n; ++k)
        window.push_back(EntryAt(k));
    for (TMemoEntryView *view : m_Views) {
        if (view->Entry() && std::find(window.begin(), window.end(), view->Entry()) == window.end())
            view->Unbind();
    }
    int y = 0;
    for (TMemoEntry *entry : window) {
        TMemoEntryView *view = entry->View() ? entry->View() : FreeView();
        view->Bind(entry);
        view->Strip->setVisible(ShowProperties);
        view->setGeometry(0, y, ClientPanel->width(), h);
        view->show();
        y += view->height();
    }
    const QSignalBlocker blocker(ScrollBar);
    ScrollBar->setValue(top - 1);
}

void TMemoListBox::Relayout()
{
    for (int k = 1; k <= Count(); ++k) {
        if (IsShown(EntryAt(k))) {
            ScrollToTop(k);
            return;
        }
    }
}

void TMemoListBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // The client panel has its new size once the layout has run.
    QMetaObject::invokeMethod(this, &TMemoListBox::Relayout, Qt::QueuedConnection);
}

void TMemoListBox::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_List->Recolor(palette().color(QPalette::Base), palette().color(QPalette::Button));
}
