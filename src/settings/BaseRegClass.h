#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Kind codes of setting items.
enum TRegKind { rkInt = 0, rkReal = 1, rkBool = 2, rkString = 3, rkList = 4 };

// One named, typed setting. Scope 0 lives directly under the maker's key; 1 under
// the application's key with a shared fallback (AltName) under the maker's key;
// anything else under the application's key only.
class BaseRegClass
{
public:
    BaseRegClass(const QString &name, quint8 scope, const QString &altName);
    virtual ~BaseRegClass() = default;
    BaseRegClass(const BaseRegClass &) = delete;
    BaseRegClass &operator=(const BaseRegClass &) = delete;

    QString Name;
    quint8 Scope = 2;
    QString AltName;

    virtual TRegKind Kind() const = 0;
    virtual void SetAsString(const QString &text) = 0;
    virtual QString GetAsString() const = 0;
    virtual QString GetDefaultString() const = 0;
    virtual QVariant GetValue() const = 0;
    virtual void SetValue(const QVariant &value) = 0;
};

class regInt : public BaseRegClass
{
public:
    regInt(const QString &name, quint8 scope, const QString &altName, qint32 defaultValue);
    TRegKind Kind() const override { return rkInt; }
    // Text that is not a decimal 32-bit number takes the default.
    void SetAsString(const QString &text) override;
    QString GetAsString() const override;
    QString GetDefaultString() const override;
    QVariant GetValue() const override { return Value; }
    void SetValue(const QVariant &value) override;

    qint32 Value = 0;
    qint32 Default = 0;
};

class regReal : public BaseRegClass
{
public:
    regReal(const QString &name, quint8 scope, const QString &altName, double defaultValue);
    TRegKind Kind() const override { return rkReal; }
    // Text that is not a number takes the default.
    void SetAsString(const QString &text) override;
    QString GetAsString() const override;
    QString GetDefaultString() const override;
    QVariant GetValue() const override { return Value; }
    void SetValue(const QVariant &value) override;

    double Value = 0.0;
    double Default = 0.0;
};

class regBool : public BaseRegClass
{
public:
    regBool(const QString &name, quint8 scope, const QString &altName, bool defaultValue);
    TRegKind Kind() const override { return rkBool; }
    void SetAsString(const QString &text) override;
    QString GetAsString() const override;
    QString GetDefaultString() const override;
    QVariant GetValue() const override { return Value; }
    void SetValue(const QVariant &value) override;

    bool Value = false;
    bool Default = false;
};

class regString : public BaseRegClass
{
public:
    regString(const QString &name, quint8 scope, const QString &altName,
              const QString &defaultValue);
    TRegKind Kind() const override { return rkString; }
    void SetAsString(const QString &text) override { Value = text; }
    QString GetAsString() const override { return Value; }
    QString GetDefaultString() const override { return Default; }
    QVariant GetValue() const override { return Value; }
    void SetValue(const QVariant &value) override { Value = value.toString(); }

    QString Value;
    QString Default;
};

class regList : public BaseRegClass
{
public:
    regList(const QString &name, quint8 scope, const QString &altName);
    TRegKind Kind() const override { return rkList; }
    void SetAsString(const QString &) override {}
    QString GetAsString() const override { return {}; }
    QString GetDefaultString() const override { return {}; }
    QVariant GetValue() const override { return 0; }
    void SetValue(const QVariant &) override {}

    QStringList Value;
};
