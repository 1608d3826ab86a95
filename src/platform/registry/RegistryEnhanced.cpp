#include "platform/registry/RegistryEnhanced.h"

#include "platform/registry/BrkApart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

namespace {

TRegistryEnhanced::ProblemHandler &Handler()
{
    static TRegistryEnhanced::ProblemHandler handler;
    return handler;
}

void Report(const QString &problem)
{
    if (Handler())
        Handler()(problem);
    else
        qWarning("%s", qPrintable(problem));
}

const QString dwordTag = QStringLiteral("dword:");
const QString hexTag = QStringLiteral("hex:");
const QString textTag = QStringLiteral("sz:");

QString RootFileName(TRootKey root)
{
    switch (root) {
    case hkClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT.ini");
    case hkCurrentConfig: return QStringLiteral("HKEY_CURRENT_CONFIG.ini");
    case hkCurrentUser: return QStringLiteral("HKEY_CURRENT_USER.ini");
    case hkDynData: return QStringLiteral("HKEY_DYN_DATA.ini");
    case hkLocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE.ini");
    case hkPerformanceData: return QStringLiteral("HKEY_PERFORMANCE_DATA.ini");
    case hkUsers: return QStringLiteral("HKEY_USERS.ini");
    }
    return QStringLiteral("HKEY_CURRENT_USER.ini");
}

QStringList SplitPath(const QString &path)
{
    TBrkApart parts;
    parts.BaseString = QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
    parts.BreakString = QStringLiteral("\\");
    parts.BreakApart();
    return parts.StringList;
}

QString Encode(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return dwordTag + QStringLiteral("%1").arg(value.toBool() ? 1 : 0, 8, 16, QLatin1Char('0'));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return dwordTag + QStringLiteral("%1").arg(static_cast<quint32>(value.toLongLong()), 8,
                                                   16, QLatin1Char('0'));
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        const double number = value.typeId() == QMetaType::QDate ||
                                      value.typeId() == QMetaType::QDateTime
                                  ? value.toDateTime().toMSecsSinceEpoch() / 86400000.0
                                  : value.toDouble();
        char bytes[8];
        qToLittleEndian(number, bytes);
        QStringList hex;
        for (char b : bytes)
            hex << QStringLiteral("%1").arg(static_cast<quint8>(b), 2, 16, QLatin1Char('0'));
        return hexTag + hex.join(QLatin1Char(','));
    }
    default: {
        const QString text = value.toString();
        if (text.startsWith(dwordTag, Qt::CaseInsensitive) ||
            text.startsWith(hexTag, Qt::CaseInsensitive) ||
            text.startsWith(textTag, Qt::CaseInsensitive))
            return textTag + text;
        return text;
    }
    }
}

// Text → QString, number → int; nullopt for binary data or a malformed number.
std::optional<QVariant> Decode(const QVariant &stored)
{
    // An unquoted hand-written value with commas comes back as a list.
    const QString text = stored.typeId() == QMetaType::QStringList
                             ? stored.toStringList().join(QStringLiteral(", "))
                             : stored.toString();
    if (text.startsWith(textTag, Qt::CaseInsensitive))
        return QVariant(text.mid(textTag.size()));
    if (text.startsWith(dwordTag, Qt::CaseInsensitive)) {
        bool ok = false;
        const uint number = text.mid(dwordTag.size()).trimmed().toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return QVariant(static_cast<int>(number));
    }
    if (text.startsWith(hexTag, Qt::CaseInsensitive))
        return std::nullopt;
    return QVariant(text);
}

// One open store file, with case-insensitive lookups of keys and values.
class Store
{
public:
    explicit Store(TRootKey root)
        : m_File(TRegistryEnhanced::StoreFile(root)), m_Settings(m_File, QSettings::IniFormat)
    {
        CheckOnce();
    }

    // The stored path (with its stored case) of a key, or nullopt when missing.
    std::optional<QString> Find(const QStringList &segments)
    {
        QString path;
        for (const QString &segment : segments) {
            m_Settings.beginGroup(path);
            const QStringList groups = m_Settings.childGroups();
            m_Settings.endGroup();
            const auto match = Match(groups, segment);
            if (!match)
                return std::nullopt;
            path = path.isEmpty() ? *match : path + QLatin1Char('/') + *match;
        }
        return path;
    }

    // Like Find, but missing segments take the case given.
    QString FindOrCreate(const QStringList &segments)
    {
        QString path;
        bool existing = true;
        for (const QString &segment : segments) {
            QString name = segment;
            if (existing) {
                m_Settings.beginGroup(path);
                const QStringList groups = m_Settings.childGroups();
                m_Settings.endGroup();
                const auto match = Match(groups, segment);
                existing = match.has_value();
                if (match)
                    name = *match;
            }
            path = path.isEmpty() ? name : path + QLatin1Char('/') + name;
        }
        return path;
    }

    std::optional<QString> FindValue(const QString &keyPath, const QString &name)
    {
        return Match(ValueNames(keyPath), name);
    }

    QStringList ValueNames(const QString &keyPath)
    {
        m_Settings.beginGroup(keyPath);
        QStringList names = m_Settings.childKeys();
        m_Settings.endGroup();
        return names;
    }

    QVariant Read(const QString &keyPath, const QString &name)
    {
        return m_Settings.value(keyPath + QLatin1Char('/') + name);
    }

    bool Write(const QString &keyPath, const QString &name, const QString &text)
    {
        m_Settings.setValue(keyPath + QLatin1Char('/') + name, text);
        return m_Batched || Sync();
    }

    bool Remove(const QString &path)
    {
        m_Settings.remove(path);
        return m_Batched || Sync();
    }

    void SetBatched(bool batched) { m_Batched = batched; }

    bool Sync()
    {
        m_Settings.sync();
        if (m_Settings.status() == QSettings::NoError)
            return true;
        Report(QCoreApplication::translate("Settings", "Settings could not be written to %1")
                   .arg(m_File));
        return false;
    }

private:
    static std::optional<QString> Match(const QStringList &names, const QString &wanted)
    {
        for (const QString &name : names) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                return name;
        }
        return std::nullopt;
    }

    // A damaged file is kept aside before anything overwrites it; the defaults apply.
    void CheckOnce()
    {
        static QSet<QString> checked;
        if (checked.contains(m_File))
            return;
        checked.insert(m_File);
        switch (m_Settings.status()) {
        case QSettings::NoError:
            break;
        case QSettings::FormatError: {
            const QString copy = m_File + QStringLiteral(".damaged");
            QFile::remove(copy);
            QFile::copy(m_File, copy);
            Report(QCoreApplication::translate("Settings",
                                               "Settings file %1 is damaged; defaults are used. "
                                               "A copy was kept as %2")
                       .arg(m_File, copy));
            break;
        }
        case QSettings::AccessError:
            Report(QCoreApplication::translate("Settings",
                                               "Settings file %1 cannot be read; defaults are used")
                       .arg(m_File));
            break;
        }
    }

    QString m_File;
    QSettings m_Settings;
    bool m_Batched = false;
};

// While a batch is open, every call shares one store per root and the file is
// written once when the batch closes.
struct BatchState
{
    int depth = 0;
    std::map<TRootKey, std::unique_ptr<Store>> stores;
};

BatchState &Batch()
{
    static BatchState state;
    return state;
}

class StoreHandle
{
public:
    explicit StoreHandle(TRootKey root)
    {
        BatchState &batch = Batch();
        if (batch.depth == 0) {
            m_Own = std::make_unique<Store>(root);
            m_Store = m_Own.get();
            return;
        }
        auto &shared = batch.stores[root];
        if (!shared) {
            shared = std::make_unique<Store>(root);
            shared->SetBatched(true);
        }
        m_Store = shared.get();
    }
    Store *operator->() const { return m_Store; }

private:
    std::unique_ptr<Store> m_Own;
    Store *m_Store = nullptr;
};

// Splits "sub\key\value" into the key path below Key and the value name.
struct Target
{
    QStringList keySegments;
    QString valueName;
};

Target Resolve(const QString &key, const QString &name)
{
    Target target{SplitPath(key), name};
    const int last = name.lastIndexOf(QLatin1Char('\\'));
    if (last >= 0) {
        target.keySegments << SplitPath(name.left(last));
        target.valueName = name.mid(last + 1);
    }
    return target;
}

bool CanWrite(TRegAccess access) { return access == kWrite || access == kAllAccess; }

} // namespace

QString TRegistryEnhanced::StoreFile(TRootKey root)
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/BrivantaTech/") + RootFileName(root));
}

TRegistryEnhanced::Batch::Batch()
{
    ++::Batch().depth;
}

TRegistryEnhanced::Batch::~Batch()
{
    BatchState &batch = ::Batch();
    if (--batch.depth > 0)
        return;
    for (auto &[root, store] : batch.stores)
        store->Sync();
    batch.stores.clear();
}

void TRegistryEnhanced::SetProblemHandler(ProblemHandler handler)
{
    Handler() = std::move(handler);
}

bool TRegistryEnhanced::WriteValue(const QString &name, const QVariant &value)
{
    const Target target = Resolve(Key, name);
    if (!CanWrite(Access) || SplitPath(Key).isEmpty() || target.valueName.isEmpty())
        return false;
    StoreHandle store(RootKey);
    const QString keyPath = store->FindOrCreate(target.keySegments);
    const QString valueName =
        store->FindValue(keyPath, target.valueName).value_or(target.valueName);
    return store->Write(keyPath, valueName, Encode(value));
}

QVariant TRegistryEnhanced::ReadValueDef(const QString &name, const QVariant &defaultValue) const
{
    const Target target = Resolve(Key, name);
    StoreHandle store(RootKey);
    const auto keyPath = store->Find(target.keySegments);
    if (!keyPath)
        return defaultValue;
    const auto valueName = store->FindValue(*keyPath, target.valueName);
    if (!valueName)
        return defaultValue;
    return Decode(store->Read(*keyPath, *valueName)).value_or(defaultValue);
}

bool TRegistryEnhanced::ValueExists(const QString &name) const
{
    const Target target = Resolve(Key, name);
    StoreHandle store(RootKey);
    const auto keyPath = store->Find(target.keySegments);
    return keyPath && store->FindValue(*keyPath, target.valueName).has_value();
}

bool TRegistryEnhanced::DeleteValue(const QString &name)
{
    if (!CanWrite(Access))
        return false;
    const Target target = Resolve(Key, name);
    StoreHandle store(RootKey);
    const auto keyPath = store->Find(target.keySegments);
    if (!keyPath)
        return false;
    const auto valueName = store->FindValue(*keyPath, target.valueName);
    return valueName && store->Remove(*keyPath + QLatin1Char('/') + *valueName);
}

QStringList TRegistryEnhanced::GetValueNames() const
{
    StoreHandle store(RootKey);
    const auto keyPath = store->Find(SplitPath(Key));
    if (!keyPath)
        return {};
    QStringList names = store->ValueNames(*keyPath);
    // List items are named by their index; keep them in index order.
    const auto number = [](const QString &name) {
        bool ok = false;
        const qulonglong n = name.toULongLong(&ok, 10);
        return ok ? std::optional<qulonglong>(n) : std::nullopt;
    };
    std::stable_sort(names.begin(), names.end(), [&number](const QString &a, const QString &b) {
        const auto na = number(a);
        const auto nb = number(b);
        if (na && nb)
            return *na < *nb;
        if (na || nb)
            return na.has_value();
        return a < b;
    });
    return names;
}

bool TRegistryEnhanced::DeleteKey(const QString &path)
{
    const QStringList segments = SplitPath(path);
    if (!CanWrite(Access) || segments.isEmpty())
        return false;
    StoreHandle store(RootKey);
    const auto keyPath = store->Find(segments);
    return keyPath && store->Remove(*keyPath);
}

bool TRegistryEnhanced::KeyExists(const QString &path) const
{
    StoreHandle store(RootKey);
    return store->Find(SplitPath(path)).has_value();
}
