#include "settings/BaseRegistryClass.h"

#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/Messages.h"

#include <algorithm>

namespace {

const QString missing = QStringLiteral("defaultvalue");

// Upper-cases a-z only, as the stored names are compared.
QString AsciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return upper;
}

} // namespace

const QString TBaseRegistryClass::MakerKey = QStringLiteral("Software\\BrivantaTech");

TBaseRegistryClass::TBaseRegistryClass() = default;
TBaseRegistryClass::~TBaseRegistryClass() = default;

BaseRegClass *TBaseRegistryClass::AddItem(const QString &name, quint8 scope, int kind,
                                          const QVariant &defaultValue, const QString &altName)
{
    std::unique_ptr<BaseRegClass> item;
    switch (kind) {
    case rkInt:
        item = std::make_unique<regInt>(name, scope, altName,
                                        static_cast<qint32>(defaultValue.toLongLong()));
        break;
    case rkReal:
        item = std::make_unique<regReal>(name, scope, altName, defaultValue.toDouble());
        break;
    case rkBool:
        item = std::make_unique<regBool>(name, scope, altName, defaultValue.toBool());
        break;
    case rkString:
        item = std::make_unique<regString>(name, scope, altName, defaultValue.toString());
        break;
    case rkList:
        item = std::make_unique<regList>(name, scope, altName);
        break;
    default:
        return nullptr;
    }
    Items.push_back(std::move(item));
    return Items.back().get();
}

bool TBaseRegistryClass::HasItem(const QString &name) const
{
    const QString wanted = AsciiUpper(name);
    return std::any_of(Items.begin(), Items.end(), [&](const auto &item) { return AsciiUpper(item->Name) == wanted; });
}

BaseRegClass *TBaseRegistryClass::FindItem(const QString &name) const
{
    const QString wanted = AsciiUpper(name);
    for (const auto &item : Items) {
        if (AsciiUpper(item->Name) == wanted)
            return item.get();
    }
    Messages::ShowMessage(QStringLiteral("No such registry item as name between equals =") +
                          name + QStringLiteral("="));
    return nullptr;
}

QVariant TBaseRegistryClass::GetValue(const QString &name) const
{
    const BaseRegClass *item = FindItem(name);
    return item ? item->GetValue() : QVariant();
}

void TBaseRegistryClass::SetValue(const QString &name, const QVariant &value)
{
    if (BaseRegClass *item = FindItem(name))
        item->SetValue(value);
}

QString TBaseRegistryClass::BaseKey(const BaseRegClass &item) const
{
    return item.Scope == 0 ? MakerKey : MakerKey + QLatin1Char('\\') + AppName;
}

void TBaseRegistryClass::Load() { Load({}); }

void TBaseRegistryClass::Load(const QStringList &names)
{
    const TRegistryEnhanced::Batch batch;
    for (const auto &item : Items) {
        if (!names.isEmpty() && !names.contains(item->Name, Qt::CaseInsensitive))
            continue;
        TRegistryEnhanced reg;
        reg.Key = BaseKey(*item);
        if (item->Kind() == rkList) {
            auto &list = static_cast<regList &>(*item);
            list.Value.clear();
            reg.Key = reg.Key + QStringLiteral("\\List") + item->Name;
            for (const QString &valueName : reg.GetValueNames())
                list.Value << reg.ReadValueDef(valueName, QString()).toString();
            continue;
        }
        QString text = reg.ReadValueDef(item->Name, missing).toString();
        if (text == missing && item->Scope == 1) {
            reg.Key = MakerKey;
            text = reg.ReadValueDef(item->AltName, missing).toString();
        }
        if (text == missing)
            text = item->GetDefaultString();
        item->SetAsString(text);
    }
}

void TBaseRegistryClass::Save()
{
    const TRegistryEnhanced::Batch batch;
    for (const auto &item : Items) {
        TRegistryEnhanced reg;
        reg.Key = BaseKey(*item);
        if (item->Kind() == rkList) {
            const QString listKey = reg.Key + QStringLiteral("\\List") + item->Name;
            reg.DeleteKey(listKey);
            reg.Key = listKey;
            const auto &list = static_cast<const regList &>(*item);
            for (int i = 0; i < list.Value.size(); ++i)
                reg.WriteValue(QString::number(i), list.Value.at(i));
            continue;
        }
        reg.WriteValue(item->Name, item->GetAsString());
        if (item->Scope == 1) {
            reg.Key = MakerKey;
            if (reg.ReadValueDef(item->AltName, QString()).toString().isEmpty())
                reg.WriteValue(item->AltName, item->GetAsString());
        }
    }
}
