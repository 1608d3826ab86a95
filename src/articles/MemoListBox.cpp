#include "articles/MemoListBox.h"

#include "articles/MemoEntryView.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

TMemoListBox::TMemoListBox(QWidget *parent) : QFrame(parent)
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
    ClientPanel->setAccessibleName(QStringLiteral("Articles"));
    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setMinimum(0);
    ScrollBar->setMaximum(0);
    ScrollBar->setPageStep(1);
    ScrollBar->hide();
    layout->addWidget(ClientPanel, 1);
    layout->addWidget(ScrollBar);
    SelectedColor = palette().color(QPalette::Base);
    UnselectedColor = palette().color(QPalette::Button);
    connect(ScrollBar, &QScrollBar::valueChanged, this, [this](int value) { ScrollToTop(value + 1); });
}

TMemoListBox::~TMemoListBox()
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - Destroy"));
    m_CurrentEntry = nullptr;
    Entries.clear();
}

QString TMemoListBox::Suffix() const
{
    return QStringLiteral(" [%1 %2]").arg(Entries.size()).arg(HiddenCount);
}

void TMemoListBox::Trace(const char *operation) const
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - ") + QLatin1String(operation) + Suffix());
}

void TMemoListBox::SetVisibleEntries(int n)
{
    m_VisibleEntries = std::max(1, n);
    ScrollBar->setPageStep(m_VisibleEntries);
}

int TMemoListBox::PositionOf(const TMemoEntry *entry) const
{
    for (int k = 1; k <= Count(); ++k) {
        if (Entries[static_cast<size_t>(k - 1)].get() == entry)
            return k;
    }
    return 0;
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
    view->Entered = [this](TMemoEntry *entry) { OnEntryHandler(entry); };
    m_Views.push_back(view);
    return view;
}

TMemoEntry *TMemoListBox::Add(const QString &text, const QString &voice)
{
    Trace("Add");
    TMemoEntry *entry = nullptr;
    if (Entries.empty()) {
        HiddenCount = 0;
    } else {
        int k = std::max(1, m_CheckedNotBlank + 1);
        for (; k <= Count(); ++k) {
            if (EntryAt(k)->IsBlank()) {
                entry = EntryAt(k); // its voice stays
                break;
            }
        }
        m_CheckedNotBlank = k - 1;
    }
    if (!entry) {
        if (ListMode == 0)
            DeleteAll();
        auto created = std::make_unique<TMemoEntry>(this);
        if (ListMode == 1)
            created->ApplyMultiLayout();
        created->SetVoice(voice);
        entry = created.get();
        if (HiddenCount == 0) {
            Entries.push_back(std::move(created));
            UtilsClass::Trace(QStringLiteral("Added entry at position %1").arg(Entries.size() - 1));
        } else {
            UtilsClass::Trace(QStringLiteral("Inserting entry at position %1").arg(Count()));
            Entries.insert(Entries.begin() + Count(), std::move(created));
        }
    }
    entry->SetText(text);
    entry->SetTitleFromText(TitleLength);
    if (MarkOnFocus) {
        if (m_CurrentEntry && m_CurrentEntry != entry)
            m_CurrentEntry->SetColor(UnselectedColor);
        entry->SetColor(SelectedColor);
    } else {
        entry->SetColor(UnselectedColor);
    }
    m_CurrentEntry = entry;

    const int n = Count();
    if (n <= m_VisibleEntries) {
        ScrollBar->setMaximum(n - 1);
        ScrollToTop(1);
    } else {
        const int top = n - m_VisibleEntries + 1;
        ScrollBar->setMaximum(top - 1);
        ScrollToTop(top);
    }
    FocusText(entry);
    return entry;
}

void TMemoListBox::ScrollToTop(int top)
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - ScrollToTop(%1)").arg(top) + Suffix());
    const int n = Count();
    if (n == 0)
        return;
    if (Importing) {
        m_PendingTop = top;
        return;
    }
    const int shownSlots = n > m_VisibleEntries ? m_VisibleEntries : n;
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
    if (event->type() != QEvent::PaletteChange)
        return;
    SelectedColor = palette().color(QPalette::Base);
    UnselectedColor = palette().color(QPalette::Button);
    for (int k = 1; k <= Count(); ++k)
        EntryAt(k)->SetColor(EntryAt(k) == m_CurrentEntry ? SelectedColor : UnselectedColor);
}

void TMemoListBox::MarkEntry(int position)
{
    Trace("MarkEntry");
    for (int k = 1; k <= Count(); ++k) {
        TMemoEntry *entry = EntryAt(k);
        if (k == position) {
            m_CurrentEntry = entry;
            entry->SetColor(SelectedColor);
            if (IsShown(entry))
                FocusText(entry);
        } else {
            entry->SetColor(UnselectedColor);
        }
    }
    if (m_CurrentEntry && !IsShown(m_CurrentEntry)) {
        ScrollToTop(m_VisibleEntries < position ? position - m_VisibleEntries + 1 : 1);
        QCoreApplication::processEvents();
    }
}

void TMemoListBox::OnEntryHandler(TMemoEntry *entry)
{
    Trace("OnEntryHandler");
    if (MarkOnFocus) {
        if (m_CurrentEntry && m_CurrentEntry != entry)
            m_CurrentEntry->SetColor(UnselectedColor);
        m_CurrentEntry = entry;
        entry->SetColor(SelectedColor);
    } else {
        m_CurrentEntry = entry;
    }
}

int TMemoListBox::FindEntry(TMemoEntry *entry)
{
    Trace("FindEntry");
    for (size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i].get() == entry) {
            UtilsClass::Trace(QStringLiteral("MemoListBox - Found position %1").arg(i));
            return static_cast<int>(i) + 1;
        }
    }
    UtilsClass::Trace(QStringLiteral("FindEntry Failed") + Suffix());
    return 0;
}

void TMemoListBox::DestroyEntry(size_t index)
{
    ++m_Removals;
    m_CheckedNotBlank = 0;
    if (Entries[index].get() == m_CurrentEntry)
        m_CurrentEntry = nullptr;
    Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void TMemoListBox::DeleteSelected()
{
    Trace("DeleteSelected");
    if (!m_CurrentEntry) {
        Messages::Beep();
        Messages::ShowMessage(QStringLiteral("No rows are currently selected"));
        return;
    }
    DeleteMemoEntry(m_CurrentEntry);
    m_CurrentEntry = nullptr;
    DeleteHiddenEntries();
}

void TMemoListBox::DeleteMemoEntry(TMemoEntry *entry)
{
    Trace("DeleteMemoEntry");
    if (entry->Locked)
        throw EMemoEntryLocked();
    const int p = FindEntry(entry);
    if (p == 0)
        return;
    UtilsClass::Trace(QStringLiteral("MemoListBox - Deleting position %1").arg(p - 1));
    if (entry->Hidden)
        --HiddenCount;
    DestroyEntry(static_cast<size_t>(p - 1));
    if (Count() > 0) {
        ScrollToTop(1);
        if (Count() > m_VisibleEntries)
            ScrollBar->setMaximum(ScrollBar->maximum() - 1);
    }
}

void TMemoListBox::DeleteAll()
{
    Trace("DeleteAll");
    if (Entries.empty()) {
        UtilsClass::Trace(QStringLiteral("MemoListBox - DeleteAll - Empty List"));
        m_CurrentEntry = nullptr;
        return;
    }
    // Nothing is deleted while any article is being read.
    for (const auto &entry : Entries) {
        if (entry->Locked)
            throw EMemoEntryLocked();
    }
    m_CurrentEntry = nullptr;
    ++m_Removals;
    m_CheckedNotBlank = 0;
    Entries.clear();
    Entries.shrink_to_fit();
    HiddenCount = 0;
}

void TMemoListBox::HideEntry(TMemoEntry *entry)
{
    Trace("HideEntry");
    if (entry->Locked)
        throw EMemoEntryLocked();
    if (entry->Hidden)
        return;
    if (entry == m_CurrentEntry)
        m_CurrentEntry = nullptr;
    const auto it = std::find_if(Entries.begin(), Entries.end(),
                                 [entry](const std::unique_ptr<TMemoEntry> &e) { return e.get() == entry; });
    if (it == Entries.end())
        return;
    ++HiddenCount;
    ++m_Removals;
    m_CheckedNotBlank = 0;
    entry->Hidden = true;
    if (entry->View())
        entry->View()->Unbind();
    std::rotate(it, it + 1, Entries.end());
    ScrollToTop(1);
    if (static_cast<int>(Entries.size()) - HiddenCount > m_VisibleEntries)
        ScrollBar->setMaximum(ScrollBar->maximum() - 1);
}

void TMemoListBox::DeleteHiddenEntries()
{
    Trace("DeleteHiddenEntries");
    if (HiddenCount == 0)
        return;
    for (int i = HiddenCount; i > 0 && !Entries.empty(); --i) {
        if (Entries.back()->Hidden)
            DestroyEntry(Entries.size() - 1);
    }
    HiddenCount = 0;
}

void TMemoListBox::DeleteBlankEntries()
{
    Trace("DeleteBlankEntries");
    DeleteHiddenEntries();
    for (size_t i = Entries.size(); i-- > 0;) {
        if (Entries[i]->IsBlank())
            DestroyEntry(i);
    }
}

void TMemoListBox::BlankMayHaveAppeared(const TMemoEntry *entry)
{
    if (m_CheckedNotBlank == 0)
        return;
    // New articles are blank at the end of the list: that case needs no search.
    const int n = Count();
    const int position = n > 0 && EntryAt(n) == entry ? n : PositionOf(entry);
    if (position > 0)
        m_CheckedNotBlank = std::min(m_CheckedNotBlank, position - 1);
}

void TMemoListBox::UnlockAllEntries()
{
    Trace("UnlockAllEntries");
    for (const auto &entry : Entries) {
        if (entry->Locked)
            entry->SetLocked(false);
    }
}

int TMemoListBox::NonBlankCount() const
{
    int n = 0;
    for (int k = 1; k <= Count(); ++k)
        n += EntryAt(k)->IsBlank() ? 0 : 1;
    return n;
}
