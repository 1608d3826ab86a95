#include "cli/ProgressBar.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

int TerminalColumns()
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

TProgressBar::TProgressBar(bool wanted) : m_Shown(wanted && ::isatty(STDERR_FILENO)) {}

QString TProgressBar::Duration(double seconds)
{
    const qint64 s = std::max<qint64>(0, qint64(seconds + 0.5));
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString TProgressBar::Line(int columns, double fraction, int filesDone, int files, double audioSeconds, double elapsed)
{
    fraction = std::clamp(fraction, 0.0, 1.0);
    QString facts = QCoreApplication::translate("TProgressBar", " %1%  %2/%3 files  %4 of audio")
                        .arg(int(fraction * 100), 3)
                        .arg(filesDone)
                        .arg(files)
                        .arg(Duration(audioSeconds));
    // An estimate only once there is something to go by.
    if (fraction >= 0.01 && fraction < 1.0 && elapsed >= 1.0)
        facts += QStringLiteral("  %1 left").arg(Duration(elapsed * (1.0 - fraction) / fraction));
    const int width = std::clamp(columns - 1 - int(facts.size()) - 2, 0, 40);
    if (width < 10)
        return facts.trimmed().left(std::max(columns - 1, 1));
    const int filled = int(fraction * width + 0.5);
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char('-')) +
           QLatin1Char(']') + facts;
}

void TProgressBar::Write(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void TProgressBar::Update(double fraction, int filesDone, int files, double audioSeconds, double elapsed)
{
    if (!m_Shown)
        return;
    m_Last = Line(TerminalColumns(), fraction, filesDone, files, audioSeconds, elapsed);
    // Back to the line's start, the new line, the rest of the old one cleared.
    Write(QLatin1Char('\r') + m_Last + QStringLiteral("\x1b[K"));
}

void TProgressBar::Note(const QString &line)
{
    if (!m_Shown) {
        Write(line + QLatin1Char('\n'));
        return;
    }
    Write(QStringLiteral("\r\x1b[K") + line + QLatin1Char('\n') + m_Last);
}

void TProgressBar::Finish()
{
    if (m_Shown && !m_Last.isEmpty())
        Write(QStringLiteral("\n"));
    m_Last.clear();
}
