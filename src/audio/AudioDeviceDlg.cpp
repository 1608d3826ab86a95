#include "audio/AudioDeviceDlg.h"

#include "platform/waveout/WaveOut.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString TMyAudioDeviceDlg::DefaultEntry()
{
    return tr("System Default Output");
}

namespace {

struct NamedBit
{
    quint32 bit;
    const char *name;
};

constexpr NamedBit standardFormats[] = {
    {WAVE_FORMAT_1M08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "11.025 kHz, Mono, 8-bit")},
    {WAVE_FORMAT_1S08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "11.025 kHz, Stereo, 8-bit")},
    {WAVE_FORMAT_1M16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "11.025 kHz, Mono, 16-bit")},
    {WAVE_FORMAT_1S16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "11.025 kHz, Stereo, 16-bit")},
    {WAVE_FORMAT_2M08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "22.05 kHz, Mono, 8-bit ")},
    {WAVE_FORMAT_2S08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "22.05 kHz, Stereo, 8-bit")},
    {WAVE_FORMAT_2M16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "22.05 kHz, Mono, 16-bit")},
    {WAVE_FORMAT_2S16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "22.05 kHz, Stereo, 16-bit")},
    {WAVE_FORMAT_4M08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "44.1 kHz, Mono, 8-bit")},
    {WAVE_FORMAT_4S08, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "44.1 kHz, Stereo, 8-bit")},
    {WAVE_FORMAT_4M16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "44.1 kHz, Mono, 16-bit")},
    {WAVE_FORMAT_4S16, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "44.1 kHz, Stereo, 16-bit")},
};
constexpr quint32 anyStandardFormat = 0x0FFF;

constexpr NamedBit supportTexts[] = {
    {WAVECAPS_LRVOLUME,
     QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "Supports separate left and right volume control. ")},
    {WAVECAPS_PITCH, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "Supports pitch control. ")},
    {WAVECAPS_PLAYBACKRATE,
     QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "Support playback rate control. ")},
    {WAVECAPS_SYNC,
     QT_TRANSLATE_NOOP("TMyAudioDeviceDlg",
                       "The driver is synchronous and will block while playing a buffer. ")},
    {WAVECAPS_VOLUME, QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "Supports volume control. ")},
    {WAVECAPS_SAMPLEACCURATE,
     QT_TRANSLATE_NOOP("TMyAudioDeviceDlg", "Returns sample-accurate position information.")},
};

QLabel *ValueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setWordWrap(true);
    return label;
}

} // namespace

QString TAuDevDlg::FormatsText(quint32 formats)
{
    QString text;
    for (const NamedBit &f : standardFormats) {
        if (!(formats & f.bit))
            continue;
        text += TMyAudioDeviceDlg::tr(f.name);
        // Every name ends its line but the table's last.
        if (f.bit != WAVE_FORMAT_4S16)
            text += QLatin1Char('\n');
    }
    return text;
}

QString TAuDevDlg::SupportsText(quint32 support)
{
    QString text;
    for (const NamedBit &s : supportTexts) {
        if (support & s.bit)
            text += TMyAudioDeviceDlg::tr(s.name);
    }
    return text;
}

TMyAudioDeviceDlg::TMyAudioDeviceDlg(TDlgUse use, qint32 deviceId, QWidget *parent)
    : QDialog(parent), m_Use(use), m_DeviceId(deviceId)
{
    setObjectName(QStringLiteral("MyAudioDeviceDlg"));
    setWindowTitle(tr("Audio Device ID "));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *listLabel = new QLabel(tr("&Devices:"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(tr("Devices"));
    listLabel->setBuddy(ListBox1);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(ListBox1, 1);
    top->addLayout(listColumn, 1);

    auto *form = new QFormLayout;
    lDeviceID = ValueLabel("lDeviceID", this);
    lDescription = ValueLabel("lDescription", this);
    lName = ValueLabel("lName", this);
    lFormat = ValueLabel("lFormat", this);
    // A format a line, each whole: the dialog widens for a longer language's words.
    lFormat->setWordWrap(false);
    lChannels = ValueLabel("lChannels", this);
    // The sound server knows no manufacturer or product numbers: its description and
    // its own name for the device take their place.
    const auto row = [&](const QString &caption, QLabel *value) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(value);
        value->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        form->addRow(label, value);
    };
    row(tr("Device ID"), lDeviceID);
    row(tr("Description"), lDescription);
    row(tr("Sound server name"), lName);
    row(tr("Formats"), lFormat);
    row(tr("Channels"), lChannels);
    top->addLayout(form, 1);
    layout->addLayout(top, 1);

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *panelLayout = new QVBoxLayout(panel);
    lSupports = ValueLabel("lSupports", panel);
    lSupports->setAccessibleName(tr("Supports"));
    panelLayout->addWidget(lSupports);
    layout->addWidget(panel);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { Describe(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    resize(520, 360);
}

void TMyAudioDeviceDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_Filled) {
        m_Filled = true;
        FillList();
    }
}

void TMyAudioDeviceDlg::FillList()
{
    ListBox1->clear();
    const quint32 count = m_Use == duTTS ? waveOutGetNumDevs() : 0;
    if (count == 0)
        return;
    setWindowTitle(tr("Audio Destination Device ID"));
    auto *mapper = new QListWidgetItem(DefaultEntry(), ListBox1);
    mapper->setData(Qt::UserRole, WAVE_MAPPER);
    for (quint32 i = 0; i < count; ++i) {
        WAVEOUTCAPS caps;
        if (waveOutGetDevCaps(static_cast<int>(i), caps) != MMSYSERR_NOERROR || !(caps.dwFormats & anyStandardFormat))
            continue;
        auto *item = new QListWidgetItem(caps.szPname, ListBox1);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (ListBox1->item(row)->data(Qt::UserRole).toInt() == m_DeviceId) {
            ListBox1->setCurrentRow(row);
            break;
        }
    }
    Describe();
}

void TMyAudioDeviceDlg::Describe()
{
    const QListWidgetItem *item = ListBox1->currentItem();
    if (!item)
        return;
    const int device = item->data(Qt::UserRole).toInt();
    WAVEOUTCAPS caps;
    if (waveOutGetDevCaps(device, caps) != MMSYSERR_NOERROR)
        return; // the labels keep what they showed
    lDeviceID->setText(device == WAVE_MAPPER
                           ? QStringLiteral("-1 (") + DefaultEntry() + QLatin1Char(')')
                           : QString::number(device));
    lDescription->setText(caps.szPname);
    lName->setText(caps.DeviceId);
    lFormat->setText(TAuDevDlg::FormatsText(caps.dwFormats));
    lChannels->setText(caps.wChannels == 1   ? tr("Mono")
                       : caps.wChannels == 2 ? tr("Stereo")
                                             : tr("%1 channels").arg(caps.wChannels));
    lSupports->setText(TAuDevDlg::SupportsText(caps.dwSupport));
}

qint32 TMyAudioDeviceDlg::ChosenDevice() const
{
    const QListWidgetItem *item = ListBox1->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : WAVE_MAPPER;
}

bool TAuDevDlg::Execute(QWidget *parent)
{
    TMyAudioDeviceDlg dialog(DlgUse, AudioDeviceID, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    AudioDeviceID = dialog.ChosenDevice();
    return true;
}

qint32 TAuDevDlg::DeviceNumber(const QString &name)
{
    const quint32 count = waveOutGetNumDevs();
    for (quint32 i = 0; i < count; ++i) {
        WAVEOUTCAPS caps;
        if (waveOutGetDevCaps(static_cast<int>(i), caps) == MMSYSERR_NOERROR && caps.DeviceId == name)
            return static_cast<qint32>(i);
    }
    return WAVE_MAPPER;
}

QString TAuDevDlg::DeviceName(qint32 deviceId)
{
    WAVEOUTCAPS caps;
    if (deviceId == WAVE_MAPPER || waveOutGetDevCaps(deviceId, caps) != MMSYSERR_NOERROR)
        return {};
    return caps.DeviceId;
}
