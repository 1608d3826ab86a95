#pragma once

#include "articles/LanguageRange.h"

#include <QChar>
#include <QList>
#include <QString>

#include <functional>

// Finds the parts of a text in another language: by their script (Cyrillic,
// Greek, Arabic, Hebrew, CJK, Devanagari…: the usual language of that script), and
// for sentences in Latin letters of at least six words by language identification
// (libexttextcat), only where it names one language alone: a name or a quoted word
// never switches, and a sentence it is unsure of stays in the text's language.
class TTextLanguages
{
public:
    // `base`: the language the text is read in ("en", "en-US"). Ranges in `known`
    // (a document's own) are kept as they are; only the rest of the text is looked at.
    // Once `stopped` says so (asked from several threads), what is left is not looked at.
    static QList<TLanguageRange> Find(const QString &text, const QString &base,
                                      const QList<TLanguageRange> &known = {},
                                      const std::function<bool()> &stopped = {});

    // The usual language of a script ("" for Latin and the scripts of every language).
    static QString OfScript(QChar::Script script);
    // The language of a sentence in Latin letters, when the identifier is sure of it.
    static QString Identify(const QString &sentence);
    // "de-AT" → "de".
    static QString Primary(const QString &language);
};
