#pragma once

#include <QString>

#include <stdexcept>

// A failure reported by the speech component, with its message for the user.
class EOleError : public std::runtime_error
{
public:
    explicit EOleError(const QString &message, int helpContext = 0)
        : std::runtime_error(message.toStdString()), m_Message(message), m_HelpContext(helpContext)
    {
    }
    const QString &Message() const { return m_Message; }
    int HelpContext() const { return m_HelpContext; }

private:
    QString m_Message;
    int m_HelpContext;
};

// The text to show for any failure: an engine error's own message, else what the
// exception says.
inline QString ErrorMessage(const std::exception &error)
{
    if (const auto *ole = dynamic_cast<const EOleError *>(&error))
        return ole->Message();
    return QString::fromLocal8Bit(error.what());
}
