#include "settings/BaseRegClass.h"

#include <QLocale>

#include <limits>

BaseRegClass::BaseRegClass(const QString &name, quint8 scope, const QString &altName)
    : Name(name), Scope(scope), AltName(altName)
{
}

regInt::regInt(const QString &name, quint8 scope, const QString &altName, qint32 defaultValue)
    : BaseRegClass(name, scope, altName), Default(defaultValue)
{
}

void regInt::SetAsString(const QString &text)
{
    bool ok = false;
    const qint32 number = text.trimmed().toInt(&ok, 10);
    Value = ok ? number : Default;
}

QString regInt::GetAsString() const { return QString::number(Value); }
QString regInt::GetDefaultString() const { return QString::number(Default); }

void regInt::SetValue(const QVariant &value)
{
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok)
        Value = static_cast<qint32>(number);
}

regReal::regReal(const QString &name, quint8 scope, const QString &altName, double defaultValue)
    : BaseRegClass(name, scope, altName), Default(defaultValue)
{
}

void regReal::SetAsString(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    Value = ok ? number : Default;
}

QString regReal::GetAsString() const { return QString::number(Value, 'g', 15); }
QString regReal::GetDefaultString() const { return QString::number(Default, 'g', 15); }

void regReal::SetValue(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok)
        Value = number;
}

regBool::regBool(const QString &name, quint8 scope, const QString &altName, bool defaultValue)
    : BaseRegClass(name, scope, altName), Default(defaultValue)
{
}

void regBool::SetAsString(const QString &text)
{
    Value = text.toLower() == QStringLiteral("true");
}

QString regBool::GetAsString() const
{
    return Value ? QStringLiteral("true") : QStringLiteral("false");
}

QString regBool::GetDefaultString() const
{
    return Default ? QStringLiteral("true") : QStringLiteral("false");
}

void regBool::SetValue(const QVariant &value) { Value = value.toBool(); }

regString::regString(const QString &name, quint8 scope, const QString &altName,
                     const QString &defaultValue)
    : BaseRegClass(name, scope, altName), Default(defaultValue)
{
}

regList::regList(const QString &name, quint8 scope, const QString &altName)
    : BaseRegClass(name, scope, altName)
{
}
