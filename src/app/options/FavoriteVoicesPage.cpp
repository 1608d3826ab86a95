#include "app/options/FavoriteVoicesPage.h"

#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QListWidget *VoiceList(QWidget *parent, const char *name, const QString &heading, QGridLayout *grid, int column)
{
    auto *label = new QLabel(heading, parent);
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setAccessibleName(QString(heading).remove(QLatin1Char('&')));
    label->setBuddy(list);
    grid->addWidget(label, 0, column);
    grid->addWidget(list, 1, column);
    return list;
}

} // namespace

TFavoriteVoicesPage::TFavoriteVoicesPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("TabSheet5"));
    auto *grid = new QGridLayout(this);
    FavVoiceLBox = VoiceList(this, "FavVoiceLBox", tr("Favorit&e Voices"), grid, 0);
    auto *buttons = new QVBoxLayout;
    RemFromFavBtn = new QPushButton(QStringLiteral(">>"), this);
    RemFromFavBtn->setObjectName(QStringLiteral("RemFromFavBtn"));
    RemFromFavBtn->setAccessibleName(tr("Exclude the selected voices"));
    RemFromFavBtn->setToolTip(RemFromFavBtn->accessibleName());
    AddToFavBtn = new QPushButton(QStringLiteral("<<"), this);
    AddToFavBtn->setObjectName(QStringLiteral("AddToFavBtn"));
    AddToFavBtn->setAccessibleName(tr("Make the selected voices favorites"));
    AddToFavBtn->setToolTip(AddToFavBtn->accessibleName());
    FavVoiceTestBtn = new QPushButton(tr("&Test"), this);
    FavVoiceTestBtn->setObjectName(QStringLiteral("FavVoiceTestBtn"));
    LanguagesBtn = new QPushButton(tr("&Languages…"), this);
    LanguagesBtn->setObjectName(QStringLiteral("LanguagesBtn"));
    LanguagesBtn->setToolTip(tr("Voices for more languages"));
    buttons->addStretch(1);
    for (QPushButton *b : {RemFromFavBtn, AddToFavBtn, FavVoiceTestBtn, LanguagesBtn})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 1);
    ExcludeVoiceLBox = VoiceList(this, "ExcludeVoiceLBox", tr("E&xcluded Voices"), grid, 2);

    auto *text = new QLabel(tr("Use this panel to control the voices used in Parlewind.  Voices  \n"
                                "you exclude will not be selected in Random / Round Robin \n"
                                "Voice Selection"),
                            this);
    text->setObjectName(QStringLiteral("ExplanationLbl"));
    grid->addWidget(text, 2, 0, 1, 3);
    MoreVoicesLbl = new QLabel(tr("<a href=\"more\">Want more voices?  Click Here</a>"), this);
    MoreVoicesLbl->setObjectName(QStringLiteral("MoreVoicesLbl"));
    MoreVoicesLbl->setAccessibleName(tr("Want more voices?  Click Here"));
    MoreVoicesLbl->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    MoreVoicesLbl->setCursor(Qt::PointingHandCursor);
    grid->addWidget(MoreVoicesLbl, 3, 0, 1, 3);

    connect(FavVoiceLBox, &QListWidget::itemSelectionChanged, this, [this] { Selected(FavVoiceLBox, ExcludeVoiceLBox); });
    connect(ExcludeVoiceLBox, &QListWidget::itemSelectionChanged, this,
            [this] { Selected(ExcludeVoiceLBox, FavVoiceLBox); });
    connect(FavVoiceLBox, &QListWidget::itemDoubleClicked, this, &TFavoriteVoicesPage::RemFromFavBtnClick);
    connect(ExcludeVoiceLBox, &QListWidget::itemDoubleClicked, this, &TFavoriteVoicesPage::AddToFavBtnClick);
    connect(RemFromFavBtn, &QPushButton::clicked, this, &TFavoriteVoicesPage::RemFromFavBtnClick);
    connect(AddToFavBtn, &QPushButton::clicked, this, &TFavoriteVoicesPage::AddToFavBtnClick);
    connect(FavVoiceTestBtn, &QPushButton::clicked, this, &TFavoriteVoicesPage::FavVoiceTestBtnClick);
    connect(LanguagesBtn, &QPushButton::clicked, this, [this] {
        if (Languages)
            Languages();
    });
    connect(MoreVoicesLbl, &QLabel::linkActivated, this, [this] {
        if (MoreVoices)
            MoreVoices();
    });
    FavVoiceTestBtn->setEnabled(false);
}

void TFavoriteVoicesPage::Fill()
{
    const QSignalBlocker favorites(FavVoiceLBox);
    const QSignalBlocker excluded(ExcludeVoiceLBox);
    FavVoiceLBox->clear();
    ExcludeVoiceLBox->clear();
    if (TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr) {
        for (const auto &voice : voices->Voices)
            (voice->Favorite ? FavVoiceLBox : ExcludeVoiceLBox)->addItem(voice->Name);
    }
    m_Clicked = nullptr;
    UpdateTest();
}

void TFavoriteVoicesPage::Selected(QListWidget *list, QListWidget *other)
{
    if (list->selectedItems().isEmpty())
        return;
    m_Clicked = list;
    const QSignalBlocker blocker(other);
    other->clearSelection();
    UpdateTest();
}

void TFavoriteVoicesPage::UpdateTest()
{
    const bool one = m_Clicked && m_Clicked->selectedItems().size() == 1;
    FavVoiceTestBtn->setEnabled(one && (!Idle || Idle()));
}

void TFavoriteVoicesPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    TabSheet5Show();
}

void TFavoriteVoicesPage::TabSheet5Show()
{
    if (Initialized && !Initialized())
        return;
    TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr;
    MoreVoicesLbl->setVisible(!voices || !voices->HasStandardVoices);
    if (FavVoiceLBox->count() == 0 && VoicesChanged)
        VoicesChanged();
}

void TFavoriteVoicesPage::RemFromFavBtnClick()
{
    TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr;
    if (!voices)
        return;
    const QString defaultVoice = m_Prefs.TTS_DefaultVoiceName;
    const auto found = FavVoiceLBox->findItems(defaultVoice, Qt::MatchExactly);
    if (!found.isEmpty() && found.first()->isSelected()) {
        Messages::ShowMessage(tr("'%1' is currently the Default Voice\rand cannot be excluded").arg(defaultVoice));
        return;
    }
    const QList<QListWidgetItem *> selected = FavVoiceLBox->selectedItems();
    if (selected.isEmpty())
        return;
    if (selected.size() == FavVoiceLBox->count()) {
        Messages::ShowMessage(tr("At least one voice is required in the Favorites List"));
        return;
    }
    for (const QListWidgetItem *item : selected) {
        if (TVoiceEntry *voice = voices->FindVoice(item->text()))
            voice->Favorite = false;
    }
    if (VoicesChanged)
        VoicesChanged();
}

void TFavoriteVoicesPage::AddToFavBtnClick()
{
    TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr;
    if (!voices)
        return;
    const QList<QListWidgetItem *> selected = ExcludeVoiceLBox->selectedItems();
    if (selected.isEmpty())
        return;
    for (const QListWidgetItem *item : selected) {
        if (TVoiceEntry *voice = voices->FindVoice(item->text()))
            voice->Favorite = true;
    }
    if (VoicesChanged)
        VoicesChanged();
}

void TFavoriteVoicesPage::FavVoiceTestBtnClick()
{
    const QListWidgetItem *item = FavVoiceLBox->currentItem();
    if (!item)
        item = ExcludeVoiceLBox->currentItem();
    if (!item) {
        Messages::ShowMessage(tr("Select a voice to test"));
        return;
    }
    if (TestVoice)
        TestVoice(item->text());
}
