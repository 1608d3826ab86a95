#pragma once

#include <QString>

// One line on the terminal's standard error that follows a whole run: a bar, the
// files written, the audio made and the time left. Silent when standard error is
// not a terminal, so that scripts see nothing but errors.
class TProgressBar
{
public:
    explicit TProgressBar(bool wanted);

    bool Shown() const { return m_Shown; }
    // `fraction` of the run is done after `elapsed` seconds.
    void Update(double fraction, int filesDone, int files, double audioSeconds, double elapsed);
    // A line of its own above the bar (an error, say).
    void Note(const QString &line);
    void Finish();

    // 1:02:03 or 2:03.
    static QString Duration(double seconds);
    // The bar's line for a terminal `columns` wide.
    static QString Line(int columns, double fraction, int filesDone, int files, double audioSeconds, double elapsed);

private:
    void Write(const QString &text);

    bool m_Shown = false;
    QString m_Last;
};
