#include "platform/speechd/Speechd.h"

#include "platform/sapi/EspeakEngine.h"
#include "platform/shell/Confinement.h"
#include "platform/speechd/SpeechdCentral.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include <libspeechd.h>

#include <cstdio>
#include <cstdlib>

namespace Speechd {
namespace {

// A server that autospawns takes about a second; one that answers nothing is given up.
constexpr int listLimitMs = 10000;

struct Listing
{
    bool done = false;
    QString problem;
    std::vector<Voice> voices;
    QPointer<QProcess> process;
    std::vector<std::function<void(const QString &)>> waiting;
};

Listing &State()
{
    static Listing listing;
    return listing;
}

quint16 LanguageId(const QString &code)
{
    const QLocale locale(QString(code).replace(QLatin1Char('_'), QLatin1Char('-')));
    return locale.language() == QLocale::C ? quint16(0) : quint16(locale.language());
}

std::vector<EspeakMode> Modes()
{
    std::vector<EspeakMode> modes;
    QSet<QString> names;
    for (const Voice &voice : State().voices) {
        const QString name = voice.name + QStringLiteral(" (") + voice.module + QLatin1Char(')');
        if (names.contains(name))
            continue;
        names.insert(name);
        EspeakMode mode = EspeakEngine::MakeMode(name, QStringList{voice.module, voice.name, voice.variant}.join(QLatin1Char('\n')),
                                                 0, LanguageId(voice.language), voice.language,
                                                 {50, 175});
        mode.info.szProductName = ProductName;
        mode.info.szMfgName = voice.module;
        mode.info.gEngineID = QUuid::createUuidV5(mode.info.gEngineID, ProductName);
        mode.info.dwFeatures = 0; // the program's own tags are not sent on
        mode.info.dwEngineFeatures = TTSENGINEFEATURE_ALOUDONLY;
        mode.open = SpeechdCentral::Create;
        modes.push_back(mode);
    }
    return modes;
}

// The listing child has ended (or was given up): its voices become modes.
void Finish(QProcess *process, const QString &failure)
{
    Listing &s = State();
    if (s.done)
        return;
    s.done = true;
    if (!failure.isEmpty()) {
        s.problem = failure;
    } else if (process->exitStatus() != QProcess::NormalExit) {
        s.problem = QStringLiteral("listing the speech-dispatcher voices crashed");
    } else if (process->exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process->readAllStandardError()).simplified();
        s.problem = QStringLiteral("speech-dispatcher could not be reached") +
                    (said.isEmpty() ? QString() : QStringLiteral(": ") + said.left(300));
    } else {
        s.voices = ParseList(process->readAllStandardOutput());
        if (!s.voices.empty())
            EspeakEngine::AddModeSource(Modes);
    }
    process->deleteLater();
    const auto waiting = std::exchange(s.waiting, {});
    for (const auto &done : waiting)
        done(s.problem);
}

QString NotStarted() { return QStringLiteral("the program could not start a child to list the voices"); }
QString NoAnswer() { return QStringLiteral("speech-dispatcher did not answer within %1 seconds").arg(listLimitMs / 1000); }

QProcess *StartChild()
{
    auto *process = new QProcess(QCoreApplication::instance());
    process->setChildProcessModifier(Confinement::EndsWithParent());
    process->start(QCoreApplication::applicationFilePath(), {QLatin1String(ListOption)});
    return process;
}

QString Sanitized(const char *text)
{
    QString s = QString::fromUtf8(text ? text : "");
    for (QChar &c : s) {
        if (c < QLatin1Char(' '))
            c = QLatin1Char(' ');
    }
    return s.trimmed();
}

} // namespace

int ListMain()
{
    char *error = nullptr;
    SPDConnection *connection =
        spd_open2("parlewind", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    if (!connection) {
        std::fprintf(stderr, "%s\n", error ? error : "no connection");
        std::free(error);
        return 3;
    }
    char **modules = spd_list_modules(connection);
    if (!modules) {
        std::fprintf(stderr, "the server listed no output modules\n");
        spd_close(connection);
        return 4;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 2;
    for (char **module = modules; *module; ++module) {
        if (spd_set_output_module(connection, *module) != 0)
            continue;
        SPDVoice **voices = spd_list_synthesis_voices(connection);
        if (!voices)
            continue;
        for (SPDVoice **voice = voices; *voice; ++voice) {
            if (!(*voice)->name)
                continue;
            const QString line = Sanitized(*module) + QLatin1Char('\t') + Sanitized((*voice)->name) +
                                 QLatin1Char('\t') + Sanitized((*voice)->language) + QLatin1Char('\t') +
                                 Sanitized((*voice)->variant) + QLatin1Char('\n');
            out.write(line.toUtf8());
        }
        free_spd_voices(voices);
    }
    free_spd_modules(modules);
    out.flush();
    spd_close(connection);
    return 0;
}

std::vector<Voice> ParseList(const QByteArray &listing)
{
    std::vector<Voice> all;
    QSet<QString> names; // module and name
    for (const QByteArray &line : listing.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3 || fields[0].trimmed().isEmpty() || fields[1].trimmed().isEmpty())
            continue;
        Voice voice{QString::fromUtf8(fields[0]).trimmed(), QString::fromUtf8(fields[1]).trimmed(),
                    QString::fromUtf8(fields[2]).trimmed(),
                    fields.size() > 3 ? QString::fromUtf8(fields[3]).trimmed() : QString()};
        names.insert(voice.module + QLatin1Char('\n') + voice.name);
        all.push_back(voice);
    }
    std::vector<Voice> voices;
    for (const Voice &voice : all) {
        const int plus = voice.name.indexOf(QLatin1Char('+'));
        if (plus > 0 && names.contains(voice.module + QLatin1Char('\n') + voice.name.left(plus).trimmed()))
            continue;
        voices.push_back(voice);
    }
    return voices;
}

void StartListing(std::function<void(const QString &)> done)
{
    Listing &s = State();
    if (s.done) {
        if (done)
            done(s.problem);
        return;
    }
    if (done)
        s.waiting.push_back(std::move(done));
    if (s.process)
        return;
    QProcess *process = StartChild();
    s.process = process;
    QObject::connect(process, &QProcess::finished, process, [process] { Finish(process, {}); });
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Finish(process, NotStarted());
    });
    QTimer::singleShot(listLimitMs, process, [process] {
        process->kill();
        Finish(process, NoAnswer());
    });
}

QString ListNow()
{
    Listing &s = State();
    if (s.done)
        return s.problem;
    QProcess *process = s.process ? s.process.data() : StartChild();
    s.process = process;
    if (!process->waitForFinished(listLimitMs)) {
        process->kill();
        process->waitForFinished(1000);
        Finish(process, process->error() == QProcess::FailedToStart ? NotStarted() : NoAnswer());
    } else {
        Finish(process, {});
    }
    return s.problem;
}

TSummary Summary()
{
    const Listing &s = State();
    TSummary summary;
    if (!s.done)
        return summary;
    summary.problem = s.problem;
    if (!s.problem.isEmpty()) {
        summary.state = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty()
                            ? TState::NotInstalled
                            : TState::NotRunning;
        return summary;
    }
    summary.state = TState::Listed;
    for (const Voice &voice : s.voices) {
        if (!summary.modules.contains(voice.module))
            summary.modules << voice.module;
    }
    summary.voices = int(s.voices.size());
    return summary;
}

bool IsVoice(const TTSMODEINFO &mode) { return mode.szProductName == ProductName; }

} // namespace Speechd
