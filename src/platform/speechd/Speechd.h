#pragma once

#include "platform/sapi/Sapi.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The voices of the user's speech-dispatcher: listed with the other voices, for
// reading aloud only (the server plays its speech itself and gives no sound back).
namespace Speechd {

inline const QString ProductName = QStringLiteral("speech-dispatcher");

// The client library can crash on odd replies of a server, so the voices are
// listed by a child of the program in this hidden mode: it prints one line a voice
// ("module<TAB>name<TAB>language<TAB>variant") and ends.
inline constexpr const char *ListOption = "--list-speech-dispatcher";
int ListMain();

struct Voice
{
    QString module;
    QString name;
    QString language; // as the server gives it: "en", "en-us", "yue"
    QString variant;  // a generic module's voice type ("MALE1"), else the module's own word
};

// The lines of a listing; a voice that is only another voice with a variant
// ("English+Annie" beside "English") is left out.
std::vector<Voice> ParseList(const QByteArray &listing);

// Lists the voices in the background; `done` runs on the calling thread with
// an empty text when the voices were listed (they are then among the voice
// modes), else with what went wrong. One listing a run: later calls only wait
// for it.
void StartListing(std::function<void(const QString &problem)> done);
// The same at once, for the command line: waits at most for the time limit.
QString ListNow();

enum class TState { NotListed, NotInstalled, NotRunning, Listed };
struct TSummary
{
    TState state = TState::NotListed;
    QString problem;
    QStringList modules;
    int voices = 0;
};
TSummary Summary();

bool IsVoice(const TTSMODEINFO &mode);

} // namespace Speechd
