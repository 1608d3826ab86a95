#include "speech/SpeechError.h"

#include <QHash>

namespace {

QString BuildMessage(const QString &message, HRESULT code)
{
    QString text = message;
    if (text.isEmpty())
        text = ESpeechError::SpeechText(code);
    if (text.isEmpty())
        text = ESpeechError::SystemText(code);
    const QString digits =
        QStringLiteral("%1").arg(static_cast<quint32>(code), 8, 16, QLatin1Char('0')).toUpper();
    return text + QStringLiteral("\r\nOLE error ") + digits;
}

const QHash<int, QString> &Table()
{
    static const QHash<int, QString> table{
        {0x0201, QStringLiteral("The speech recognition or text-to-speech service does not have enough data.")},
        {0x0202, QStringLiteral("The sound card does not support the right wave-file format to work with the speech software.")},
        {0x0203, QStringLiteral("The audio device is in use at this time.")},
        {0x0204, QStringLiteral("An invalid parameter was passed to the speech engine.")},
        {0x0205, QStringLiteral("There was an error in disk access, or there is not enough disk space free. If you are low on disk space, try deleting some files to free up space.")},
        {0x0206, QStringLiteral("The program has selected a non-existent speech engine.")},
        {0x0207, QStringLiteral("An invalid list was passed to the speech recognizer.")},
        {0x0208, QStringLiteral("An invalid character was passed to the speech engine.")},
        {0x0209, QStringLiteral("An invalid key was passed to the speech engine.")},
        {0x020A, QStringLiteral("There is not enough memory for the text-to-speech engine to finish. Quit some other programs, and then try again.")},
        {0x020B, QStringLiteral("The text string passed into the text-to-speech engine is empty.")},
        {0x0301, QStringLiteral("The program has selected an audio device that does not exist.")},
        {0x0302, QStringLiteral("The program has not told the sound card what wave-file format to use.")},
        {0x0306, QStringLiteral("The audio device is not playing.")},
        {0x0312, QStringLiteral("Your sound card does not support this audio-file format.")},
        {0x0313, QStringLiteral("The audio device is not recording.")},
        {0x0317, QStringLiteral("The audio driver has not been opened. Double-click the MultiMedia icon in Control Panel and make sure the correct drivers are loaded.")},
        {0x0318, QStringLiteral("The audio handle is still busy. Try restarting your computer.")},
        {0x0319, QStringLiteral("The notification sink is not the right type.")},
        {0x031A, QStringLiteral("The audio device is not ready.")},
        {0x031D, QStringLiteral("The audio device has already been claimed.")},
        {0x031E, QStringLiteral("The audio device is not ready.")},
        {0x031F, QStringLiteral("The audio device is still in use.")},
        {0x0320, QStringLiteral("The audio device has already been started.")},
        {0x0321, QStringLiteral("Cannot use a synchronous audio device.")},
        {0x0406, QStringLiteral("The grammar passed into the speech recognizer to too complex to be recognized from.")},
        {0x0407, QStringLiteral("The speech recognizer cannot use the specified grammar type.")},
        {0x040B, QStringLiteral("The speech recognizer cannot have that many grammars active at once.")},
        {0x0411, QStringLiteral("The grammar passed into the speech recognizer to too large to be recognized from.")},
        {0x0416, QStringLiteral("Something is wrong with the grammar passed to the speech recognizer.")},
        {0x0417, QStringLiteral("An invalid rule was used in the grammar passed to the speech recognizer.")},
        {0x0418, QStringLiteral("The rule is already active and cannot be activated again.")},
        {0x0419, QStringLiteral("The rule cannot be deactivated because it is not active.")},
        {0x041A, QStringLiteral("There is no user selected for speech recognition. Select a user in the settings for your speech recognition program.")},
        {0x041B, QStringLiteral("Bad pronunciation in speech recognition.")},
        {0x041C, QStringLiteral("Error in speech recognition data file.")},
        {0x041D, QStringLiteral("Speech recognition grammar is already active.")},
        {0x041E, QStringLiteral("Speech recognition grammar is not active.")},
        {0x041F, QStringLiteral("A global speech recognition grammar is already active.")},
        {0x0420, QStringLiteral("Speech recognition language type is incorrect.")},
        {0x0421, QStringLiteral("Multiple languates can not be specified in speech recognition.")},
        {0x0422, QStringLiteral("No words found in speech recognition grammar.")},
        {0x0423, QStringLiteral("The speech recognition has no lexicon.")},
        {0x0424, QStringLiteral("The speech recognition speaker already exists.")},
        {0x0425, QStringLiteral("The selected grammar does not match the selected engine.")},
        {0x0426, QStringLiteral("Speech recognition bookmarks already exist.")},
        {0x0427, QStringLiteral("No speech recognition bookmarks exist.")},
        {0x0428, QStringLiteral("The microphone setup wizard was cancelled before completion.")},
    };
    return table;
}

} // namespace

ESpeechError::ESpeechError(const QString &message, HRESULT code, int helpContext)
    : EOleError(BuildMessage(message, code), helpContext), m_Code(code)
{
}

QString ESpeechError::SpeechText(HRESULT code)
{
    return Table().value(static_cast<int>(static_cast<quint32>(code) & 0xFFFF));
}

QString ESpeechError::SystemText(HRESULT code)
{
    switch (static_cast<quint32>(code)) {
    case 1: return QStringLiteral("Incorrect function.");
    case 0x80004001: return QStringLiteral("Not implemented");
    case 0x80004002: return QStringLiteral("No such interface supported");
    case 0x80004003: return QStringLiteral("Invalid pointer");
    case 0x80004005: return QStringLiteral("Unspecified error");
    case 0x8007000E: return QStringLiteral("Not enough memory resources are available to complete this operation.");
    case 0x80070057: return QStringLiteral("The parameter is incorrect.");
    case 0x80040154: return QStringLiteral("Class not registered");
    default: return {};
    }
}

void CheckSpeechResult(HRESULT code)
{
    if (code != 0)
        throw ESpeechError(QString(), code, 0);
}
