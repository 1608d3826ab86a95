#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class TPreferences;
class TTTSForm;

// "Favorite Voices": which voices new articles may get (favourites) and which
// they never get (excluded), moved between the two lists; a voice can be heard.
class TFavoriteVoicesPage : public QWidget
{
    Q_OBJECT
public:
    TFavoriteVoicesPage(TPreferences &prefs, QWidget *parent = nullptr);

    QListWidget *FavVoiceLBox = nullptr;
    QListWidget *ExcludeVoiceLBox = nullptr;
    QPushButton *RemFromFavBtn = nullptr; // ">>"
    QPushButton *AddToFavBtn = nullptr;   // "<<"
    QPushButton *FavVoiceTestBtn = nullptr;
    QPushButton *LanguagesBtn = nullptr;
    QLabel *MoreVoicesLbl = nullptr;

    // The main window: the voice manager, whether the program has started and
    // nothing is read, the voice lists to refill after a move, a voice to test and
    // the help on more voices.
    std::function<TTTSForm *()> VoiceManager;
    std::function<bool()> Initialized;
    std::function<bool()> Idle;
    std::function<void()> VoicesChanged;
    std::function<void(const QString &)> TestVoice;
    std::function<void()> MoreVoices;
    std::function<void()> Languages;

    // Each voice into the list it belongs to; nothing selected.
    void Fill();
    // "Test" is enabled exactly when one entry is selected and nothing is read.
    void UpdateTest();

    void TabSheet5Show();
    void RemFromFavBtnClick();
    void AddToFavBtnClick();
    void FavVoiceTestBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Selected(QListWidget *list, QListWidget *other);

    TPreferences &m_Prefs;
    QListWidget *m_Clicked = nullptr;
};
