#include "speech/SpeechError.h"

#include <QCoreApplication>
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

// Texts of the speech and audio codes are translated; the recogniser codes cannot
// come from this program's engines and stay as they are.
const QHash<int, const char *> &Table()
{
    static const QHash<int, const char *> table{
        {0x0201,
         QT_TRANSLATE_NOOP(
             "ESpeechError",
             "The speech recognition or text-to-speech service does not have enough data.")},
        {0x0202,
         QT_TRANSLATE_NOOP("ESpeechError", "The sound card does not support the right wave-file "
                                           "format to work with the speech software.")},
        {0x0203, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is in use at this time.")},
        {0x0204, QT_TRANSLATE_NOOP("ESpeechError",
                                   "An invalid parameter was passed to the speech engine.")},
        {0x0205, QT_TRANSLATE_NOOP(
                     "ESpeechError",
                     "There was an error in disk access, or there is not enough disk space free. "
                     "If you are low on disk space, try deleting some files to free up space.")},
        {0x0206, QT_TRANSLATE_NOOP("ESpeechError",
                                   "The program has selected a non-existent speech engine.")},
        {0x0207,
         QT_TRANSLATE_NOOP("ESpeechError", "An invalid list was passed to the speech recognizer.")},
        {0x0208, QT_TRANSLATE_NOOP("ESpeechError",
                                   "An invalid character was passed to the speech engine.")},
        {0x0209,
         QT_TRANSLATE_NOOP("ESpeechError", "An invalid key was passed to the speech engine.")},
        {0x020A, QT_TRANSLATE_NOOP("ESpeechError",
                                   "There is not enough memory for the text-to-speech engine to "
                                   "finish. Quit some other programs, and then try again.")},
        {0x020B,
         QT_TRANSLATE_NOOP("ESpeechError",
                           "The text string passed into the text-to-speech engine is empty.")},
        {0x0301,
         QT_TRANSLATE_NOOP("ESpeechError",
                           "The program has selected an audio device that does not exist.")},
        {0x0302, QT_TRANSLATE_NOOP(
                     "ESpeechError",
                     "The program has not told the sound card what wave-file format to use.")},
        {0x0306, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is not playing.")},
        {0x0312, QT_TRANSLATE_NOOP("ESpeechError",
                                   "Your sound card does not support this audio-file format.")},
        {0x0313, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is not recording.")},
        {0x0317,
         QT_TRANSLATE_NOOP("ESpeechError",
                           "The audio driver has not been opened. Double-click the MultiMedia icon "
                           "in Control Panel and make sure the correct drivers are loaded.")},
        {0x0318,
         QT_TRANSLATE_NOOP("ESpeechError",
                           "The audio handle is still busy. Try restarting your computer.")},
        {0x0319, QT_TRANSLATE_NOOP("ESpeechError", "The notification sink is not the right type.")},
        {0x031A, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is not ready.")},
        {0x031D, QT_TRANSLATE_NOOP("ESpeechError", "The audio device has already been claimed.")},
        {0x031E, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is not ready.")},
        {0x031F, QT_TRANSLATE_NOOP("ESpeechError", "The audio device is still in use.")},
        {0x0320, QT_TRANSLATE_NOOP("ESpeechError", "The audio device has already been started.")},
        {0x0321, QT_TRANSLATE_NOOP("ESpeechError", "Cannot use a synchronous audio device.")},
        {0x0406,
         "The grammar passed into the speech recognizer to too complex to be recognized from."},
        {0x0407, "The speech recognizer cannot use the specified grammar type."},
        {0x040B, "The speech recognizer cannot have that many grammars active at once."},
        {0x0411,
         "The grammar passed into the speech recognizer to too large to be recognized from."},
        {0x0416, "Something is wrong with the grammar passed to the speech recognizer."},
        {0x0417, "An invalid rule was used in the grammar passed to the speech recognizer."},
        {0x0418, "The rule is already active and cannot be activated again."},
        {0x0419, "The rule cannot be deactivated because it is not active."},
        {0x041A, "There is no user selected for speech recognition. Select a user in the settings "
                 "for your speech recognition program."},
        {0x041B, "Bad pronunciation in speech recognition."},
        {0x041C, "Error in speech recognition data file."},
        {0x041D, "Speech recognition grammar is already active."},
        {0x041E, "Speech recognition grammar is not active."},
        {0x041F, "A global speech recognition grammar is already active."},
        {0x0420, "Speech recognition language type is incorrect."},
        {0x0421, "Multiple languates can not be specified in speech recognition."},
        {0x0422, "No words found in speech recognition grammar."},
        {0x0423, "The speech recognition has no lexicon."},
        {0x0424, "The speech recognition speaker already exists."},
        {0x0425, "The selected grammar does not match the selected engine."},
        {0x0426, "Speech recognition bookmarks already exist."},
        {0x0427, "No speech recognition bookmarks exist."},
        {0x0428, "The microphone setup wizard was cancelled before completion."},
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
    const char *text = Table().value(static_cast<int>(static_cast<quint32>(code) & 0xFFFF));
    return text ? QCoreApplication::translate("ESpeechError", text) : QString();
}

QString ESpeechError::SystemText(HRESULT code)
{
    switch (static_cast<quint32>(code)) {
    case 1:
        return QCoreApplication::translate("ESpeechError", "Incorrect function.");
    case 0x80004001:
        return QCoreApplication::translate("ESpeechError", "Not implemented");
    case 0x80004002:
        return QCoreApplication::translate("ESpeechError", "No such interface supported");
    case 0x80004003:
        return QCoreApplication::translate("ESpeechError", "Invalid pointer");
    case 0x80004005:
        return QCoreApplication::translate("ESpeechError", "Unspecified error");
    case 0x8007000E:
        return QCoreApplication::translate(
            "ESpeechError",
            "Not enough memory resources are available to complete this operation.");
    case 0x80070057:
        return QCoreApplication::translate("ESpeechError", "The parameter is incorrect.");
    case 0x80040154:
        return QCoreApplication::translate("ESpeechError", "Class not registered");
    default:
        return {};
    }
}

void CheckSpeechResult(HRESULT code)
{
    if (code != 0)
        throw ESpeechError(QString(), code, 0);
}
