#include "app/AccessibleApplication.h"
#include "app/desktop/DesktopCommands.h"
#include "app/desktop/MediaPlayer.h"
#include "app/Form1.h"
#include "app/options/MiscPage.h"
#include "app/SingleInstance.h"
#include "cli/ConvertMain.h"
#include "cli/ConvertOptions.h"
#include "core/ProgramCore.h"
#include "log/StartupTrace.h"
#include "log/UtilsClass.h"
#include "platform/flite/FliteEngine.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/sapi/EspeakWorker.h"
#include "platform/shell/Messages.h"
#include "platform/shell/Session.h"
#include "platform/shell/TerminationSignal.h"
#include "platform/shell/Translations.h"
#include "platform/speechd/Speechd.h"
#include "platform/waveout/WaveOut.h"
#include "settings/Preferences.h"
#include "speech/EngineWarningForm.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <thread>

namespace {

// Marks the window's first paint in the start-up trace.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            StartupTrace::Mark("first paint of the window");
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    StartupTrace::Mark("main");
    // Conversion from a terminal or a script: no window, no display, no sound server.
    QStringList arguments;
    for (int k = 1; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    // The voices of speech-dispatcher are listed by a child: its library can crash.
    if (!arguments.isEmpty() && arguments.front() == QLatin1String(Speechd::ListOption)) {
        QCoreApplication app(argc, argv);
        return Speechd::ListMain();
    }
    // So is a piece of a long text for a file, in a voice of Flite's.
    if (!arguments.isEmpty() && arguments.front() == QLatin1String(FliteEngine::ChildOption)) {
        QCoreApplication app(argc, argv);
        return FliteEngine::ChildMain(arguments.mid(1));
    }
    if (TConvertOptions::Wanted(arguments))
        return ConvertMain(argc, argv);
    // A command for the running program (or files for it to open) is handed over
    // without a display; the read commands start the program when none runs.
    const auto command = TDesktopCommands::Parse(arguments);
    // What the running program answered, as this command's exit status; -1 when it
    // did not answer.
    const auto answered = [](SingleInstance::TAnswer answer, const QString &why) {
        if (answer == SingleInstance::TAnswer::Refused)
            std::fprintf(stderr, "parlewind: %s\n", qPrintable(why));
        return answer == SingleInstance::TAnswer::Taken ? 0 : answer == SingleInstance::TAnswer::Refused ? 1 : -1;
    };
    if (command) {
        QCoreApplication sender(argc, argv);
        QString why;
        if (const int status = answered(SingleInstance().SendCommand(command->Name, command->Files, 300, &why), why);
            status >= 0)
            return status;
        if (!TDesktopCommands::Starts(command->Name)) {
            std::fprintf(stderr, "parlewind: Parlewind is not running.\n");
            return 1;
        }
    }

    // Under Wayland a program in the background is not told of copies; through
    // XWayland it is, so the X11 platform is preferred where an X display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    InstallAccessibleApplication();
    // espeak-ng loads its data and lists its voices on its own thread while the
    // application is made; the voice list waits for it.
    std::jthread speechReady([] { EspeakWorker::PrepareAlongside(); });
    // Whether the sound server answers, asked while the window is made.
    std::jthread soundServer([] { waveOutCheckServer(); });
    QApplication app(argc, argv);
    StartupTrace::Mark("application made");
    QApplication::setApplicationName(QStringLiteral("Parlewind"));
    QApplication::setOrganizationName(QStringLiteral("BrivantaTech"));
    QApplication::setQuitOnLastWindowClosed(false);
    // First thing, so that a SIGTERM during the start is an orderly exit too.
    TerminationSignal termination;

    SingleInstance instance;
    if (!instance.TryBecomePrimary()) {
        if (!instance.Problem().isEmpty()) {
            // Nobody else's program may hear what we would say, nor answer for us.
            std::fprintf(stderr, "parlewind: %s\n", qPrintable(instance.Problem()));
            Messages::ShowError(instance.Problem());
            return 1;
        }
        QString why;
        if (const int status = answered(command ? instance.SendCommand(command->Name, command->Files, 3000, &why)
                                                : instance.HandOver(&why),
                                        why);
            status >= 0)
            return status;
        std::fprintf(stderr, "Parlewind is already running but does not answer.\n");
        return 1;
    }

    StartupTrace::Mark("single instance settled");
    TRegistryEnhanced::SetProblemHandler([](const QString &problem) { UtilsClass::Trace(problem); });
    speechReady.join();
    DetectSpeechSupport();
    StartupTrace::Mark("speech support detected");

    // The interface's language before any window is made: the desktop's while the
    // settings are read (what they report is told in it; a damaged store holds no
    // choice), then the one chosen in them.
    const QString desktops = Translations::Pick();
    Translations::Install(desktops);
    // The program core first: the voice manager reads the stored device from its preferences.
    TProgramCore core;
    core.Load();
    if (const QString chosen = Translations::Pick(core.Prefs().UI_Language); chosen != desktops)
        Translations::Install(chosen);
    StartupTrace::Mark("settings loaded");
    std::unique_ptr<TTTSForm> voices;
    try {
        voices = std::make_unique<TTTSForm>(core.Prefs());
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Voice manager could not be created: ") + ErrorMessage(error));
        TEngineWarningForm warning;
        warning.exec();
        return 1;
    }
    core.SetVoiceManager(voices.get());
    StartupTrace::Mark("voices listed");
    TForm1 form(core, command ? QStringList() : QApplication::arguments().mid(1));
    StartupTrace::Mark("window made");
    TDesktopCommands commands(core);
    QObject::connect(&instance, &SingleInstance::CommandRequested, &commands, &TDesktopCommands::Run);
    instance.Refusal = [&commands](const QString &name) { return commands.Refusal(name); };
    form.MiscSheet->SetReadSelectionKey = [&commands](const QKeySequence &key) { return commands.SetReadSelectionKey(key); };
    QObject::connect(&commands, &TDesktopCommands::ShortcutNote, form.MiscSheet, &TMiscPage::ShowShortcutNote);
    QObject::connect(&commands, &TDesktopCommands::ShowRequested, &form, &TForm1::RestoreRequest);
    QObject::connect(&commands, &TDesktopCommands::OpenRequested, &form, &TForm1::OpenFiles);
    form.MiscSheet->ApplyReadSelectionKey();
    // Media keys, headset buttons and the desktop's media controls.
    TMediaPlayer player(core, commands);
    QObject::connect(&instance, &SingleInstance::RestoreRequested, &form, &TForm1::RestoreRequest);
    QObject::connect(&termination, &TerminationSignal::Requested, &core, [&core](int) { core.RequestExit(true); });

    form.installEventFilter(new FirstPaint(&form));
    form.show();
    StartupTrace::Mark("window shown");
    if (form.Terminated())
        return form.ExitCode();
    // Other programs' voices join the lists once the window is up and painted:
    // listing them (a child process, the server's answer) must not hold up the start.
    QTimer::singleShot(500, &core, [&core] { core.ListOtherVoices(); });
    // What this start was for, once the window is up.
    if (command) {
        const auto run = [&commands, command] { commands.Run(command->Name, command->Files); };
        // On Wayland the selection is the program's only once its window has the focus.
        if (TDesktopCommands::ReadsSelection(command->Name) && Session::NativeWayland() &&
            QGuiApplication::applicationState() != Qt::ApplicationActive) {
            auto *waiting = new QTimer(&app);
            waiting->setSingleShot(true);
            QObject::connect(waiting, &QTimer::timeout, &commands, [run, waiting] {
                waiting->deleteLater();
                run();
            });
            QObject::connect(&app, &QGuiApplication::applicationStateChanged, waiting, [waiting](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    waiting->start(0);
            });
            waiting->start(3000);
        } else {
            QMetaObject::invokeMethod(&commands, run, Qt::QueuedConnection);
        }
    }
    return QApplication::exec();
}
