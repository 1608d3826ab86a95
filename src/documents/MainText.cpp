#include "documents/MainText.h"

#include <QRegularExpression>

#include <algorithm>
#include <string_view>

// The rules, in the order they are applied:
//  1. Only a web page is cut: one with navigation or an aside, an <article> or
//     <main>, or at least three blocks that are mostly links. Anything else (a
//     manual, a book's chapter, a document with a title block in its <header>) is
//     all content.
//  2. Never the main text: nav, aside, form, menu, dialog and footer elements, a
//     header outside the article, and elements whose class, id or role says what
//     surrounds an article (comments, cookie and consent notices, banners, share and
//     social buttons, related and recommended links, newsletters, subscriptions,
//     advertising, sidebars, breadcrumbs, pop-ups) unless it also says content.
//  3. Each remaining paragraph scores as a reader judges prose: 1, a point a comma,
//     a point a hundred characters (at most 3), less the share that is link text.
//     Its score goes to the block it stands in, half of it to that block's parent,
//     a third to the grandparent.
//  4. A block's own weight: <article> and <main> and content-like names count more,
//     lists and table cells less; a block mostly of links counts little.
//  5. The best block is the main text; when two blocks elsewhere score at least
//     three quarters of it (a thread's posts), the lowest block holding both is.
//     Then the whole <article> it is part of, if any,
//     with those beside it (same parent) that
//     score at least a fifth of it, and with the page's first <h1> when it stands
//     before it (the headline above the article's body).
namespace MainText {

namespace {

using namespace std::literals;

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

const QRegularExpression &Surrounding()
{
    static const QRegularExpression words(
        QStringLiteral("(^|[\\s_-])(comments?|comment-list|disqus|respond|replies|cookies?|consent|gdpr|banner|"
                       "share|sharing|social|related|recommended|more-stories|read-more|newsletter|subscribe|"
                       "subscription|signup|promo|advert|advertisement|ads?|ad-slot|sponsor(ed)?|sidebar|widget|"
                       "breadcrumbs?|popup|modal|masthead|site-header|site-footer|footer|navbar|nav|navigation|"
                       "menu|toolbar|pagination|tags|complementary|contentinfo|banner)($|[\\s_-])"));
    return words;
}

const QRegularExpression &ContentLike()
{
    static const QRegularExpression words(QStringLiteral(
        "(^|[\\s_-])(article|article-body|content|entry|entry-content|main|post|post-body|story|body|text|"
        "recipe|instructions|ingredients|thread|message)($|[\\s_-])"));
    return words;
}

bool Around(const TNode &node, bool insideArticle)
{
    if (OneOf(node.Tag, {"nav"sv, "aside"sv, "form"sv, "menu"sv, "dialog"sv, "footer"sv}))
        return true;
    if (node.Tag == "header"sv && !insideArticle)
        return true;
    return node.Hints.contains(Surrounding()) && !node.Hints.contains(ContentLike());
}

qreal OwnWeight(const TNode &node)
{
    qreal weight = 0;
    if (OneOf(node.Tag, {"article"sv, "main"sv}))
        weight += 25;
    else if (node.Tag == "div"sv || node.Tag == "section"sv)
        weight += 5;
    else if (OneOf(node.Tag, {"td"sv, "blockquote"sv, "pre"sv}))
        weight += 3;
    else if (OneOf(node.Tag, {"ol"sv, "ul"sv, "dl"sv, "dd"sv, "dt"sv, "li"sv}))
        weight -= 3;
    if (node.Hints.contains(ContentLike()))
        weight += 25;
    return weight;
}

} // namespace

std::vector<bool> Kept(const std::vector<TNode> &nodes, const TParagraphs &paragraphs, const std::vector<int> &owners,
                       const std::vector<int> &linkChars)
{
    const size_t count = paragraphs.size();
    std::vector<bool> all(count, true);
    if (count == 0)
        return {};

    // 1. A web page?
    bool structured = false;
    for (const TNode &node : nodes)
        structured = structured || OneOf(node.Tag, {"nav"sv, "aside"sv, "article"sv, "main"sv});
    int linkBlocks = 0;
    for (size_t k = 0; k < count; ++k)
        linkBlocks += paragraphs[k].Text.size() > 0 && linkChars[k] * 2 > paragraphs[k].Text.size();
    if (!structured && linkBlocks < 3)
        return {};

    // 2. What surrounds the article; an article's own header (headline, byline) stays.
    std::vector<bool> around(nodes.size(), false), inArticle(nodes.size(), false);
    for (size_t n = 0; n < nodes.size(); ++n) {
        const int parent = nodes[n].Parent;
        inArticle[n] = parent >= 0 && (inArticle[size_t(parent)] || OneOf(nodes[size_t(parent)].Tag, {"article"sv, "main"sv}));
        around[n] = (parent >= 0 && around[size_t(parent)]) || Around(nodes[n], inArticle[n]);
    }
    const auto isAround = [&](size_t k) { return owners[k] >= 0 && around[size_t(owners[k])]; };

    // 3. Scores of the blocks.
    std::vector<qreal> score(nodes.size(), 0), text(nodes.size(), 0), links(nodes.size(), 0);
    std::vector<bool> scored(nodes.size(), false);
    for (size_t k = 0; k < count; ++k) {
        if (isAround(k) || owners[k] < 0 || paragraphs[k].Heading)
            continue;
        const QString &t = paragraphs[k].Text;
        const qreal linkShare = t.isEmpty() ? 1 : qreal(linkChars[k]) / t.size();
        const qreal points = (1 + t.count(QLatin1Char(',')) + std::min<qreal>(3, t.size() / 100.0)) * (1 - linkShare);
        int node = owners[k];
        // The block a paragraph stands in: itself when a <p>, else its nearest block.
        for (int level = 0; node >= 0 && level < 3; ++level, node = nodes[size_t(node)].Parent) {
            score[size_t(node)] += points / (level + 1);
            scored[size_t(node)] = true;
        }
        for (node = owners[k]; node >= 0; node = nodes[size_t(node)].Parent) {
            text[size_t(node)] += t.size();
            links[size_t(node)] += linkChars[k];
        }
    }
    // 4. Each block's own weight and link share.
    int best = -1;
    std::vector<qreal> final(nodes.size(), 0);
    for (size_t n = 0; n < nodes.size(); ++n) {
        if (!scored[n] || around[n])
            continue;
        const qreal linkShare = text[n] > 0 ? links[n] / text[n] : 0;
        final[n] = (score[n] + OwnWeight(nodes[n])) * (1 - linkShare);
        if (best < 0 || final[n] > final[size_t(best)])
            best = int(n);
    }
    if (best < 0)
        return all;
    // Blocks nearly as good elsewhere (a forum's posts, a thread's messages) make the
    // block that holds them the main text: the lowest one holding two of them.
    const auto inside = [&](int node, int ancestor) {
        for (; node >= 0; node = nodes[size_t(node)].Parent)
            if (node == ancestor)
                return true;
        return false;
    };
    std::vector<int> rivals;
    for (size_t n = 0; n < nodes.size(); ++n)
        if (int(n) != best && final[n] >= final[size_t(best)] * 3 / 4 && !inside(best, int(n)) && !inside(int(n), best))
            rivals.push_back(int(n));
    for (int node = nodes[size_t(best)].Parent; node >= 0 && rivals.size() >= 2; node = nodes[size_t(node)].Parent) {
        if (OneOf(nodes[size_t(node)].Tag, {"body"sv, "html"sv}) || around[size_t(node)])
            break;
        if (std::count_if(rivals.begin(), rivals.end(), [&](int rival) { return inside(rival, node); }) >= 2) {
            best = node;
            break;
        }
    }
    // The article the best block is part of, whole: its header's byline and date too.
    for (int node = nodes[size_t(best)].Parent; node >= 0; node = nodes[size_t(node)].Parent) {
        if (nodes[size_t(node)].Tag == "article"sv && !around[size_t(node)]) {
            best = node;
            break;
        }
    }

    // 5. The best block, its good siblings, and the headline before it.
    std::vector<bool> chosen(nodes.size(), false);
    chosen[size_t(best)] = true;
    const int parent = nodes[size_t(best)].Parent;
    const qreal enough = std::max<qreal>(10, final[size_t(best)] / 5);
    for (size_t n = 0; n < nodes.size(); ++n)
        if (parent >= 0 && nodes[n].Parent == parent && int(n) != best && !around[n] && final[n] >= enough)
            chosen[n] = true;
    const auto within = [&](int node) {
        for (; node >= 0; node = nodes[size_t(node)].Parent)
            if (chosen[size_t(node)])
                return true;
        return false;
    };
    std::vector<bool> keep(count, false);
    size_t first = count;
    for (size_t k = 0; k < count; ++k) {
        keep[k] = !isAround(k) && within(owners[k]);
        if (keep[k] && first == count)
            first = k;
    }
    for (size_t k = 0; k < first; ++k) {
        if (paragraphs[k].Heading == 1 && !isAround(k)) {
            keep[k] = true;
            break;
        }
    }
    return keep;
}

} // namespace MainText
