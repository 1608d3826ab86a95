#include "support/FakeEngine.h"

#include <algorithm>

namespace {

class FakeCentral : public ITTSCentral, public ITTSAttributes, public ITTSDialogs,
                    public std::enable_shared_from_this<FakeCentral>
{
public:
    explicit FakeCentral(std::shared_ptr<FakeScript> s) : m_S(std::move(s)) { ++m_S->liveCentrals; }
    ~FakeCentral() override { --m_S->liveCentrals; }

    HRESULT TextData(quint32 charSet, quint32 flags, SDATA text,
                     std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &) override
    {
        m_S->calls << QStringLiteral("TextData(%1)").arg(charSet);
        m_S->textSizes.push_back(text.dwSize);
        m_S->textFlags.push_back(flags);
        if (sink && text.dwSize >= 2)
            m_S->texts << QString::fromUtf16(static_cast<const char16_t *>(text.pData), text.dwSize / 2 - 1);
        if (sink)
            m_S->lastBufSink = sink;
        return m_S->textDataResult;
    }
    HRESULT Inject(const QString &tags) override
    {
        m_S->calls << QStringLiteral("Inject(") + tags + QLatin1Char(')');
        return m_S->injectResult;
    }
    HRESULT Phoneme(quint32, quint32, SDATA, QByteArray *out) override
    {
        m_S->calls << QStringLiteral("Phoneme");
        *out = QByteArray("h\0e\0\0\0", 6);
        return m_S->phonemeResult;
    }
    HRESULT AudioPause() override { return Call(QStringLiteral("AudioPause")); }
    HRESULT AudioResume() override { return Call(QStringLiteral("AudioResume")); }
    HRESULT AudioReset() override { return Call(QStringLiteral("AudioReset")); }
    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const QUuid &, quint32 *key) override
    {
        m_S->calls << QStringLiteral("Register");
        if (FAILED(m_S->registerResult))
            return m_S->registerResult;
        m_S->notifySink = std::move(sink);
        *key = 7;
        return S_OK;
    }
    HRESULT UnRegister(quint32 key) override
    {
        m_S->calls << QStringLiteral("UnRegister(%1)").arg(key);
        return S_OK;
    }
    HRESULT QueryAttributes(std::shared_ptr<ITTSAttributes> *a) override
    {
        if (FAILED(m_S->attributesResult))
            return m_S->attributesResult;
        *a = std::shared_ptr<ITTSAttributes>(shared_from_this(), this);
        return S_OK;
    }
    HRESULT QueryDialogs(std::shared_ptr<ITTSDialogs> *d) override
    {
        if (FAILED(m_S->dialogsResult))
            return m_S->dialogsResult;
        *d = std::shared_ptr<ITTSDialogs>(shared_from_this(), this);
        return S_OK;
    }
    HRESULT PitchGet(quint16 *p) override
    {
        m_S->calls << QStringLiteral("PitchGet");
        *p = m_S->pitch;
        return m_S->pitchGetResult;
    }
    HRESULT PitchSet(quint16 p) override
    {
        m_S->calls << QStringLiteral("PitchSet(%1)").arg(p);
        m_S->pitch = std::clamp(p, m_S->minPitch, m_S->maxPitch);
        return S_OK;
    }
    HRESULT SpeedGet(quint32 *s) override
    {
        m_S->calls << QStringLiteral("SpeedGet");
        *s = m_S->speed;
        return m_S->speedGetResult;
    }
    HRESULT SpeedSet(quint32 s) override
    {
        m_S->calls << QStringLiteral("SpeedSet(%1)").arg(s);
        m_S->speed = std::clamp(s, m_S->minSpeed, m_S->maxSpeed);
        return S_OK;
    }
    HRESULT AboutDlg(QWidget *, const QString &) override { return Call(QStringLiteral("AboutDlg")); }
    HRESULT LexiconDlg(QWidget *, const QString &title) override
    {
        m_S->calls << QStringLiteral("LexiconDlg(") + title + QLatin1Char(')');
        return m_S->lexiconResult;
    }
    HRESULT GeneralDlg(QWidget *, const QString &) override { return E_NOTIMPL; }
    HRESULT TranslateDlg(QWidget *, const QString &) override { return E_NOTIMPL; }

private:
    HRESULT Call(const QString &name)
    {
        m_S->calls << name;
        return S_OK;
    }
    std::shared_ptr<FakeScript> m_S;
};

class FakeEnum : public ITTSEnum, public ITTSFind
{
public:
    explicit FakeEnum(std::shared_ptr<FakeScript> s) : m_S(std::move(s)) {}
    HRESULT Reset() override
    {
        m_Next = 0;
        return S_OK;
    }
    HRESULT Next(quint32 count, TTSMODEINFO *modes, quint32 *fetched) override
    {
        quint32 n = 0;
        while (n < count && m_Next < m_S->modes.size())
            modes[n++] = m_S->modes[m_Next++];
        *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(quint32) override { return S_OK; }
    HRESULT Select(const QUuid &id, std::shared_ptr<ITTSCentral> *central,
                   std::shared_ptr<IAudio>) override
    {
        ++m_S->selects;
        m_S->calls << QStringLiteral("Select(") + id.toString() + QLatin1Char(')');
        if (FAILED(m_S->selectResult))
            return m_S->selectResult;
        *central = std::make_shared<FakeCentral>(m_S);
        return S_OK;
    }
    HRESULT Find(const TTSMODEINFO &want, const TTSMODEINFORANK *rank, TTSMODEINFO *found) override
    {
        if (m_S->modes.empty())
            return E_FAIL;
        int index = 0;
        if (m_S->findRule) {
            index = m_S->findRule(want, rank);
        } else {
            for (size_t i = 0; i < m_S->modes.size(); ++i) {
                if ((!want.szModeName.isEmpty() && m_S->modes[i].szModeName == want.szModeName) ||
                    (!want.gModeID.isNull() && m_S->modes[i].gModeID == want.gModeID))
                    index = static_cast<int>(i);
            }
        }
        *found = m_S->modes[static_cast<size_t>(index)];
        return S_OK;
    }

private:
    std::shared_ptr<FakeScript> m_S;
    size_t m_Next = 0;
};

} // namespace

TTSMODEINFO FakeScript::Mode(const QString &name, quint32 features, quint32 interfaces)
{
    TTSMODEINFO m;
    m.gModeID = QUuid::createUuidV5(QUuid(), name);
    m.szModeName = name;
    m.szProductName = QStringLiteral("Fake Speech");
    m.dwFeatures = features;
    m.dwInterfaces = interfaces;
    return m;
}

FakeEngineInstall::FakeEngineInstall()
{
    script->modes = {FakeScript::Mode(QStringLiteral("Mary")), FakeScript::Mode(QStringLiteral("Mike")),
                     FakeScript::Mode(QStringLiteral("Sam"))};
    std::weak_ptr<FakeScript> weak = script;
    SetTTSEnumeratorFactory([weak](std::shared_ptr<ITTSEnum> *e, std::shared_ptr<ITTSFind> *f) {
        auto s = weak.lock();
        if (!s)
            return REGDB_E_CLASSNOTREG;
        if (FAILED(s->createResult))
            return s->createResult;
        auto object = std::make_shared<FakeEnum>(s);
        if (e)
            *e = object;
        if (f)
            *f = object;
        return S_OK;
    });
}

FakeEngineInstall::~FakeEngineInstall() { SetTTSEnumeratorFactory({}); }
