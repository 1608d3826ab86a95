#pragma once

#include "platform/sapi/Sapi.h"
#include "speech/OleError.h"

// An engine failure: its result code, and a message of two lines — a text (the
// given one, else the speech text for the code, else the system's) and
// "OLE error XXXXXXXX".
class ESpeechError : public EOleError
{
public:
    ESpeechError(const QString &message, HRESULT code, int helpContext = 0);
    HRESULT ErrorCode() const { return m_Code; }

    // The speech text for a result code (by its low 16 bits), or empty.
    static QString SpeechText(HRESULT code);
    // The system's text for a result code, or empty.
    static QString SystemText(HRESULT code);

private:
    HRESULT m_Code;
};

// Raises ESpeechError (empty message) for any non-zero code, success codes included.
void CheckSpeechResult(HRESULT code);
