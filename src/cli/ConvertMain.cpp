#include "cli/ConvertMain.h"

#include "cli/ConvertOptions.h"
#include "cli/ConvertRun.h"
#include "log/UtilsClass.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/Messages.h"
#include "platform/shell/TerminationSignal.h"
#include "platform/shell/Translations.h"
#include "platform/speechd/Speechd.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <map>

namespace {

// Speech into files needs no sound card, so none is looked for.
class TFileVoices : public TTTSForm
{
public:
    using TTTSForm::TTTSForm;
    int TestWaveOutDevice(int) override { return 0; }
};

void Print(FILE *to, const QString &text) { std::fputs(text.toLocal8Bit().constData(), to); }

int ListVoices(const TTTSForm &voices)
{
    std::map<QString, QString> languages;
    for (const TTSMODEINFO &mode : ListModes()) {
        QString language = QLocale::languageToString(QLocale::Language(mode.language));
        if (!mode.szDialect.isEmpty() && mode.szDialect != language)
            language += QStringLiteral(" (") + mode.szDialect + QLatin1Char(')');
        languages[mode.szModeName] = language;
    }
    qsizetype width = 0;
    for (const auto &voice : voices.Voices)
        width = std::max(width, voice->Name.size());
    for (const auto &voice : voices.Voices)
        Print(stdout,
              voice->Name.leftJustified(width + 2) + languages[voice->Name] +
                  (voice->AloudOnly ? QCoreApplication::translate("TConvertOptions", ", aloud only")
                                    : QString()) +
                  QLatin1Char('\n'));
    return 0;
}

} // namespace

int ConvertMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Parlewind"));
    QCoreApplication::setOrganizationName(QStringLiteral("BrivantaTech"));
    // The user's language (the command line chooses none of its own).
    Translations::Install(Translations::Pick());

    TConvertOptions options;
    QString error;
    if (!options.Parse(QCoreApplication::arguments().mid(1), &error)) {
        Print(stderr, QStringLiteral("parlewind: ") + error + QLatin1Char('\n') + QCoreApplication::translate("TConvertOptions", "parlewind --help tells how to use it.") + QLatin1Char('\n'));
        return TConvertRun::BadUsage;
    }
    if (options.Action == TConvertOptions::Help) {
        Print(stdout, TConvertOptions::Usage());
        return 0;
    }
    if (options.Action == TConvertOptions::Version) {
        Print(stdout, QStringLiteral("Parlewind MP3 " PARLEWIND_VERSION "\n"));
        return 0;
    }

    // The window's settings are read, never written; its log is its own.
    UtilsClass::SetLogName(QStringLiteral("parlewind-convert"));
    UtilsClass::RotateLogs();
    TRegistryEnhanced::SetProblemHandler([](const QString &problem) { UtilsClass::Trace(problem); });
    // What the voice manager would show in a window is told with the input it concerns.
    Messages::SetRecording(true);
    DetectSpeechSupport(false);
    TPreferences prefs;
    prefs.Load();
    prefs.LoadFields();
    TFileVoices voices(prefs);
    try {
        voices.Initialize();
        // speech-dispatcher's voices are listed only when they are asked for (or a
        // voice is named that is not the program's own): they cannot make files.
        if (options.Action == TConvertOptions::ListVoices || (!options.Voice.isEmpty() && !voices.FindVoice(options.Voice))) {
            if (const QString problem = Speechd::ListNow(); problem.isEmpty())
                voices.Initialize();
            else
                UtilsClass::Trace(QStringLiteral("No speech-dispatcher voices: ") + problem);
        }
    } catch (const std::exception &failure) {
        Print(stderr, QStringLiteral("parlewind: ") +
                          QCoreApplication::translate("TConvertOptions", "the speech engine cannot be started: %1").arg(ErrorMessage(failure)) +
                          QLatin1Char('\n'));
        return TConvertRun::SomeFailed;
    }
    if (voices.VoiceCount() == 0) {
        Print(stderr, QStringLiteral("parlewind: ") + QCoreApplication::translate("TConvertOptions", "the speech engine offers no voice.") + QLatin1Char('\n'));
        return TConvertRun::SomeFailed;
    }
    prefs.Load();
    voices.LoadVoiceSettings();
    if (options.Action == TConvertOptions::ListVoices)
        return ListVoices(voices);

    TConvertRun run(options, prefs, voices);
    const TConvertRun::TResult prepared = run.Prepare();
    if (prepared == TConvertRun::BadUsage)
        return prepared;
    int result = 0;
    QObject::connect(&run, &TConvertRun::Done, &app, [&result](int status) {
        result = status;
        QCoreApplication::exit(status);
    });
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::Requested, &run, [&run](int signalNumber) { run.Stop(signalNumber); });
    run.Start();
    QCoreApplication::exec();
    return result;
}
