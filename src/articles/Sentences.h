#pragma once

#include <QString>

#include <vector>

// Where a text's sentences start, as a reader finds them: by the sentence rules of
// the text's language (its abbreviations end no sentence), with initials, numbered
// items, German ordinals, times and quotes closing on an end mark kept inside a
// sentence, and every line ending one. Scripts with end marks of their own
// (。！？, ۔, ।, ؟) end sentences there.
namespace Sentences {

// The indexes in `text` where sentences begin; the first is always 0. `language`
// is a code such as "de" or "pt-BR"; empty for English.
std::vector<int> Starts(const QString &text, const QString &language = {});

} // namespace Sentences
