#pragma once

#include <QString>

// The trace log: one line per step, "date time - message", in the program's
// directory, named after the executable (parlewind.dbg, with parlewind1.dbg …
// parlewind3.dbg from earlier runs).
class UtilsClass
{
public:
    // Appends one line. The file is opened, written, flushed and closed for every
    // line; any error is ignored.
    static void Trace(const QString &message);

    // Removes a file the program made; a failure is traced as "Delete Failed" and
    // otherwise ignored.
    static void DeleteTraced(const QString &path);

    // Shifts the logs of earlier runs: base3 deleted, 2 → 3, 1 → 2, current → 1,
    // current deleted. Called once at start, before anything is traced.
    static void RotateLogs();

    // The log's path without ".dbg".
    static QString LogBase();
    // Another name than the executable's, for a mode of the program that must not
    // write into the window's log.
    static void SetLogName(const QString &name);
    static QString LogFile();

    // The timestamp at the head of each line: the short date and long time.
    static QString Timestamp();
};
