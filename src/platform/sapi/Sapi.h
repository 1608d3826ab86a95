#pragma once

// The speech interfaces the program is written against: an engine enumerator that
// lists and finds voice modes, the engine itself, its attribute and dialog
// interfaces, the two notification sinks and the audio destinations. Results are
// 32-bit codes (0 = success); objects are shared by std::shared_ptr.

#include <QByteArray>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

using HRESULT = qint32;

constexpr HRESULT Code(quint32 value) { return static_cast<HRESULT>(value); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = Code(0x80004001);
constexpr HRESULT E_NOINTERFACE = Code(0x80004002);
constexpr HRESULT E_POINTER = Code(0x80004003);
constexpr HRESULT E_FAIL = Code(0x80004005);
constexpr HRESULT E_OUTOFMEMORY = Code(0x8007000E);
constexpr HRESULT E_INVALIDARG = Code(0x80070057);
constexpr HRESULT REGDB_E_CLASSNOTREG = Code(0x80040154);

constexpr HRESULT TTSERR_NOTENOUGHDATA = Code(0x80040201);
constexpr HRESULT TTSERR_WAVEFORMATNOTSUPPORTED = Code(0x80040202);
constexpr HRESULT TTSERR_WAVEDEVICEBUSY = Code(0x80040203);
constexpr HRESULT TTSERR_INVALIDPARAM = Code(0x80040204);
constexpr HRESULT TTSERR_DISKERROR = Code(0x80040205);
constexpr HRESULT TTSERR_NOENGINE = Code(0x80040206);
constexpr HRESULT TTSERR_INVALIDCHAR = Code(0x80040208);
constexpr HRESULT TTSERR_OUTOFMEMORY = Code(0x8004020A);
constexpr HRESULT TTSERR_TEXTEMPTY = Code(0x8004020B);
constexpr HRESULT AUDERR_BADDEVICEID = Code(0x80040301);
constexpr HRESULT AUDERR_NEEDWAVEFORMAT = Code(0x80040302);
constexpr HRESULT AUDERR_NOTPLAYING = Code(0x80040306);
constexpr HRESULT AUDERR_WAVEFORMATNOTSUPPORTED = Code(0x80040312);
constexpr HRESULT AUDERR_NOTREADY = Code(0x8004031A);
constexpr HRESULT AUDERR_INUSE = Code(0x8004031F);
constexpr HRESULT LEXERR_INVALIDTEXTCHAR = Code(0x80040801);

constexpr bool FAILED(HRESULT hr) { return hr < 0; }
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }

// Class and interface identifiers.
namespace SapiIds {
inline const QUuid CLSID_TTSEnumerator{QStringLiteral("{D67C0280-C743-11CD-80E5-00AA003E4B50}")};
inline const QUuid IID_ITTSEnum{QStringLiteral("{6B837B20-4A47-101B-931A-00AA0047BA4F}")};
inline const QUuid IID_ITTSFind{QStringLiteral("{7AA42960-4A47-101B-931A-00AA0047BA4F}")};
inline const QUuid IID_ITTSAttributes{QStringLiteral("{1287A280-4A47-101B-931A-00AA0047BA4F}")};
inline const QUuid IID_ITTSDialogs{QStringLiteral("{47F59D00-4A47-101B-931A-00AA0047BA4F}")};
inline const QUuid IID_ITTSNotifySink{QStringLiteral("{C0FA8F40-4A46-101B-931A-00AA0047BA4F}")};
inline const QUuid IID_ITTSBufNotifySink{QStringLiteral("{E4963D40-C743-11CD-80E5-00AA003E4B50}")};
inline const QUuid CLSID_MMAudioDest{QStringLiteral("{CB96B400-C743-11CD-80E5-00AA003E4B50}")};
inline const QUuid IID_IAudioMultiMediaDevice{QStringLiteral("{B68AD320-C743-11CD-80E5-00AA003E4B50}")};
inline const QUuid CLSID_AudioDestFile{QStringLiteral("{D4623720-E4B9-11CF-8D56-00A0C9034A7E}")};
inline const QUuid IID_IAudioFile{QStringLiteral("{FD7C2320-3D6D-11B9-C000-FED6CBA3B1A9}")};
inline const QUuid CLSID_AudioDestDirect{QStringLiteral("{B9F11A90-90E3-11D0-8D77-00A0C9034A7E}")};
inline const QUuid IID_IAudioDirect{QStringLiteral("{B9F11A94-90E3-11D0-8D77-00A0C9034A7E}")};
} // namespace SapiIds

// Character sets and text-data flags.
constexpr quint32 CHARSET_TEXT = 0;
constexpr quint32 CHARSET_IPAPHONETIC = 1;
constexpr quint32 CHARSET_ENGINEPHONETIC = 2;
constexpr quint32 TTSDATAFLAG_TAGGED = 1;
// TextDataDone's flags: the text ended because the sound device went away, or
// because the engine failed on it (it is unfinished).
constexpr quint32 TTSBNSF_AUDIOLOST = 1;
constexpr quint32 TTSBNSF_ENGINEFAILED = 2;

// Features and interfaces words of a mode.
constexpr quint32 TTSFEATURE_TAGGED = 0x10;
constexpr quint32 TTSI_ITTSATTRIBUTES = 0x02;
constexpr quint32 TTSI_ITTSDIALOGS = 0x04;
// Engine features of a mode: its speech can only be heard (the engine plays it
// itself and gives no sound back); it has no pitch of its own to change.
constexpr quint32 TTSENGINEFEATURE_ALOUDONLY = 0x01;
constexpr quint32 TTSENGINEFEATURE_NOPITCH = 0x02;

constexpr int TTSI_NAMELEN = 262;

// One voice mode of an engine.
struct TTSMODEINFO
{
    QUuid gEngineID;
    QString szMfgName;
    QString szProductName;
    QUuid gModeID;
    QString szModeName;
    quint16 language = 0; // a language identifier
    QString szDialect;
    QString szSpeaker;
    QString szStyle;
    quint16 wGender = 0; // 0 neutral, 1 female, 2 male
    quint16 wAge = 0;
    quint32 dwFeatures = 0;
    quint32 dwInterfaces = 0;
    quint32 dwEngineFeatures = 0;
};

// How much each field of a requested mode counts when finding the best match.
struct TTSMODEINFORANK
{
    quint32 dwEngineID = 0;
    quint32 dwMfgName = 0;
    quint32 dwProductName = 0;
    quint32 dwModeID = 0;
    quint32 dwModeName = 0;
    quint32 dwLanguage = 0;
    quint32 dwDialect = 0;
    quint32 dwSpeaker = 0;
    quint32 dwStyle = 0;
    quint32 dwGender = 0;
    quint32 dwAge = 0;
    quint32 dwFeatures = 0;
    quint32 dwInterfaces = 0;
    quint32 dwEngineFeatures = 0;
};

// A block of data: for text, UTF-16 with its terminating zero (dwSize = 2 × length + 2).
struct SDATA
{
    const void *pData = nullptr;
    quint32 dwSize = 0;
};

// A mouth shape for lip-synchronised pictures.
struct TTSMOUTH
{
    quint8 bMouthHeight = 0, bMouthWidth = 0, bMouthUpturn = 0, bJawOpen = 0;
    quint8 bTeethUpperVisible = 0, bTeethLowerVisible = 0, bTonguePosn = 0, bLipTension = 0;
};

class ITTSBufNotifySink
{
public:
    virtual ~ITTSBufNotifySink() = default;
    virtual HRESULT TextDataDone(quint64 timeStamp, quint32 flags) = 0;
    virtual HRESULT TextDataStarted(quint64 timeStamp) = 0;
    virtual HRESULT BookMark(quint64 timeStamp, quint32 markNum) = 0;
    virtual HRESULT WordPosition(quint64 timeStamp, quint32 byteOffset) = 0;
    // A voice that knows where its sentences start but not its words tells the
    // sentence being spoken instead.
    virtual HRESULT SentencePosition(quint64 timeStamp, quint32 byteOffset, quint32 byteLength)
    {
        Q_UNUSED(byteLength);
        return WordPosition(timeStamp, byteOffset);
    }
    // From here on the text is read by another voice (a part in another language).
    virtual HRESULT VoiceChange(quint64 timeStamp, quint32 byteOffset, const QUuid &modeId)
    {
        Q_UNUSED(timeStamp);
        Q_UNUSED(byteOffset);
        Q_UNUSED(modeId);
        return S_OK;
    }
};

class ITTSNotifySink
{
public:
    virtual ~ITTSNotifySink() = default;
    virtual HRESULT AttribChanged(quint32 attribute) = 0;
    virtual HRESULT AudioStart(quint64 timeStamp) = 0;
    virtual HRESULT AudioStop(quint64 timeStamp) = 0;
    virtual HRESULT Visual(quint64 timeStamp, QChar ipaPhoneme, QChar enginePhoneme, quint32 hints,
                           const TTSMOUTH &mouth) = 0;
};

// Where an engine sends its audio.
class IAudio
{
public:
    virtual ~IAudio() = default;
};

class IAudioMultiMediaDevice : public IAudio
{
public:
    virtual HRESULT DeviceNumSet(qint32 deviceId) = 0;
    virtual qint32 DeviceNum() const = 0;
};

class IAudioFile : public IAudio
{
public:
    // Starts a new file (flags 1: write a RIFF WAVE file), replacing any open one.
    virtual HRESULT Set(const QString &fileName, quint32 flags) = 0;
    // Completes and closes the current file.
    virtual HRESULT Flush() = 0;
};

class IAudioDirect : public IAudio
{
public:
    virtual HRESULT Init() = 0;
};

class ITTSAttributes
{
public:
    virtual ~ITTSAttributes() = default;
    virtual HRESULT PitchGet(quint16 *pitch) = 0;
    virtual HRESULT PitchSet(quint16 pitch) = 0;
    virtual HRESULT SpeedGet(quint32 *speed) = 0;
    virtual HRESULT SpeedSet(quint32 speed) = 0;
};

class ITTSDialogs
{
public:
    virtual ~ITTSDialogs() = default;
    virtual HRESULT AboutDlg(QWidget *parent, const QString &title) = 0;
    virtual HRESULT LexiconDlg(QWidget *parent, const QString &title) = 0;
    virtual HRESULT GeneralDlg(QWidget *parent, const QString &title) = 0;
    virtual HRESULT TranslateDlg(QWidget *parent, const QString &title) = 0;
};

class ITTSCentral
{
public:
    virtual ~ITTSCentral() = default;
    virtual HRESULT TextData(quint32 charSet, quint32 flags, SDATA text,
                             std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &sinkId) = 0;
    virtual HRESULT Inject(const QString &tags) = 0;
    virtual HRESULT Phoneme(quint32 charSet, quint32 flags, SDATA text, QByteArray *phonemes) = 0;
    virtual HRESULT AudioPause() = 0;
    virtual HRESULT AudioResume() = 0;
    virtual HRESULT AudioReset() = 0;
    virtual HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const QUuid &sinkId,
                             quint32 *key) = 0;
    virtual HRESULT UnRegister(quint32 key) = 0;
    // The engine's other interfaces; E_NOINTERFACE when it has none.
    virtual HRESULT QueryAttributes(std::shared_ptr<ITTSAttributes> *attributes) = 0;
    virtual HRESULT QueryDialogs(std::shared_ptr<ITTSDialogs> *dialogs) = 0;
    // Why the last text ended unfinished, in words for the user; empty when the
    // engine has nothing to add to the failure itself.
    virtual QString FailureReason() const { return {}; }
    // Parts of the next text to be read by other voices of the engine (UTF-16 index
    // and length, in order, not overlapping); the rest is read by this one. An engine
    // that cannot change voices inside a text reads it all with this one.
    struct VoicePart
    {
        int start = 0;
        int length = 0;
        QUuid modeId;
    };
    // The parts of a text from `From` on, found while its beginning is read (a long
    // text's languages take a while to find). Handed over once on the program's
    // thread, and waited for there: the one waiting is told then, or at once when
    // they are there.
    class LaterVoiceParts
    {
    public:
        explicit LaterVoiceParts(int from) : From(from) {}
        const int From;
        void Deliver(std::vector<VoicePart> parts)
        {
            if (m_Delivered)
                return;
            m_Delivered = true;
            m_Parts = std::move(parts);
            if (m_Ready)
                std::exchange(m_Ready, nullptr)(m_Parts);
        }
        void WhenDelivered(std::function<void(const std::vector<VoicePart> &)> ready)
        {
            if (m_Delivered)
                ready(m_Parts);
            else
                m_Ready = std::move(ready);
        }

    private:
        bool m_Delivered = false;
        std::vector<VoicePart> m_Parts;
        std::function<void(const std::vector<VoicePart> &)> m_Ready;
    };
    virtual void NextTextVoices(std::vector<VoicePart> parts,
                                std::shared_ptr<LaterVoiceParts> later = {})
    {
        Q_UNUSED(parts);
        Q_UNUSED(later);
    }
};

class ITTSEnum
{
public:
    virtual ~ITTSEnum() = default;
    virtual HRESULT Reset() = 0;
    // Fills up to `count` records; *fetched says how many (0 at the end: S_FALSE).
    virtual HRESULT Next(quint32 count, TTSMODEINFO *modes, quint32 *fetched) = 0;
    virtual HRESULT Skip(quint32 count) = 0;
    // Opens the engine of a mode on an audio destination.
    virtual HRESULT Select(const QUuid &modeId, std::shared_ptr<ITTSCentral> *central,
                           std::shared_ptr<IAudio> destination) = 0;
};

class ITTSFind
{
public:
    virtual ~ITTSFind() = default;
    // The installed mode that matches `wanted` best by the weights of `rank` (or all
    // fields equally when rank is null); an all-zero request gives the default mode.
    virtual HRESULT Find(const TTSMODEINFO &wanted, const TTSMODEINFORANK *rank,
                         TTSMODEINFO *found) = 0;
};

// Creating objects by class. The enumerator class can fail like an unregistered
// class (REGDB_E_CLASSNOTREG) when no engine can run.
HRESULT CreateTTSEnumerator(std::shared_ptr<ITTSEnum> *enumerator, std::shared_ptr<ITTSFind> *find);
HRESULT CreateAudioMultiMediaDevice(std::shared_ptr<IAudioMultiMediaDevice> *device);
HRESULT CreateAudioFile(std::shared_ptr<IAudioFile> *file);
HRESULT CreateAudioDirect(std::shared_ptr<IAudioDirect> *direct);

// Replaces the enumerator class (tests install a scripted engine); an empty
// function restores the real one.
using TTSEnumeratorFactory =
    std::function<HRESULT(std::shared_ptr<ITTSEnum> *, std::shared_ptr<ITTSFind> *)>;
void SetTTSEnumeratorFactory(TTSEnumeratorFactory factory);
