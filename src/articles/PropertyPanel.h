#pragma once

#include <QFrame>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The strip across the top of an article: its title and voice, editable after a
// click, and in multi-article mode the Read, Read to File and Delete buttons.
class TPropertyPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int StripHeight = 25;

    explicit TPropertyPanel(QWidget *parent = nullptr);

    void BeginEdit();
    // The voice box filled anew, the article's voice chosen, "More languages…" last.
    void FillVoiceBox();
    void EndEdit();
    void StartEdit();
    void ApplyMultiLayout();
    void ApplySingleLayout();
    bool Editing() const { return m_Editing; }

    // Every installed voice, in the voice manager's order.
    std::function<QStringList()> VoiceNames;
    // Offers the voices of more languages; true when the voices changed.
    std::function<bool()> MoreLanguages;
    // The user changed the title or picked a voice.
    std::function<void(const QString &)> TitleEdited;
    std::function<void(const QString &)> VoicePicked;
    std::function<void()> ReadClicked;
    std::function<void()> ReadToFileClicked;
    std::function<void()> DeleteClicked;

    QLabel *TitleCaption = nullptr;
    QLabel *TitleLabel = nullptr;
    QLabel *VoiceCaption = nullptr;
    QLabel *VoiceLabel = nullptr;
    QLineEdit *TitleEditor = nullptr;
    QComboBox *VoiceBox = nullptr;
    QPushButton *ReadButton = nullptr;
    QPushButton *ReadToFileButton = nullptr;
    QPushButton *DeleteButton = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceControls(int voiceLeft);
    void FocusChanged(QWidget *old, QWidget *now);

    bool m_Editing = false;
    bool m_MultiLayout = false;
};
