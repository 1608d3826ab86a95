#pragma once

#include "documents/Paragraphs.h"

#include <QString>

#include <string>
#include <vector>

// The main text of a web page, as a browser's reader view finds it: the article,
// without the menus, banners, share and related-link blocks, comments and footers
// around it. A page that is all content (a manual, a book's chapter) stays whole.
namespace MainText {

// An element of the page, as the reader met it.
struct TNode
{
    int Parent = -1; // index of the element it is in, or -1
    std::string Tag;
    QString Hints; // its class, id and role, lower case
};

// Which paragraphs are the main text: `owners[k]` is the innermost element
// paragraph k stands in, `linkChars[k]` how many of its characters are link text.
// None when the page is not a web page but all content.
std::vector<bool> Kept(const std::vector<TNode> &nodes, const TParagraphs &paragraphs, const std::vector<int> &owners,
                       const std::vector<int> &linkChars);

} // namespace MainText
