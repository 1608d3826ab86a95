#include "platform/shell/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace ShellOpen {
namespace {
bool recording = false;
QStringList recorded;
} // namespace

bool Open(const QString &target)
{
    if (recording) {
        recorded << target;
        return true;
    }
    const QUrl url = QFileInfo(target).isAbsolute() && !target.contains(QLatin1Char(':'))
                         ? QUrl::fromLocalFile(target)
                         : QUrl(target, QUrl::TolerantMode);
    return QDesktopServices::openUrl(url);
}

void SetRecording(bool on)
{
    recording = on;
    recorded.clear();
}

QStringList TakeRecorded()
{
    QStringList taken;
    taken.swap(recorded);
    return taken;
}

} // namespace ShellOpen
