#include "audiohelp/GBItemClass.h"

#include <algorithm>

// Where each key element of a text ends: every "<key" and "</key" in any letter
// case, paired as a depth count pairs them. Found once for the whole text, so that
// finding the end of a nested key does not scan the text again at every level.
struct GBItemClass::KeyEnds
{
    explicit KeyEnds(QStringView text) : Base(text.data())
    {
        std::vector<qsizetype> open;
        for (qsizetype i = text.indexOf(u'<'); i >= 0; i = text.indexOf(u'<', i + 1)) {
            const QStringView at = text.mid(i);
            if (at.startsWith(u"<key", Qt::CaseInsensitive)) {
                Opens.push_back(i);
                Closes.push_back(-1);
                open.push_back(static_cast<qsizetype>(Opens.size()) - 1);
            } else if (at.startsWith(u"</key", Qt::CaseInsensitive) && !open.empty()) {
                Closes[static_cast<size_t>(open.back())] = i;
                open.pop_back();
            }
        }
    }
    // The "</key" that closes the key whose "<key" starts at `key`; null when none does.
    const QChar *CloseOf(const QChar *key) const
    {
        const qsizetype at = key - Base;
        const auto found = std::lower_bound(Opens.cbegin(), Opens.cend(), at);
        if (found == Opens.cend() || *found != at)
            return nullptr;
        const qsizetype close = Closes[static_cast<size_t>(found - Opens.cbegin())];
        return close < 0 ? nullptr : Base + close;
    }

    const QChar *Base;
    std::vector<qsizetype> Opens, Closes;
};

GBItemClass::~GBItemClass()
{
    Clear();
}

void GBItemClass::Parse(QStringView text, const QString &parentPath, int level, GBItemClass *parent,
                        const QString &attributeName, const QString &value)
{
    Clear();
    Text = text;
    Value = value;
    AttributeName = attributeName;
    Parent = parent;
    Level = level;
    m_OwnPath = parentPath == QStringLiteral("/") ? QStringLiteral("/") + value : parentPath + QLatin1Char('/') + value;
    m_OwnPathSet = true;
    const KeyEnds ends(text);
    // Items still to be read; a list rather than recursion, so that deep nesting
    // cannot exhaust the stack.
    std::vector<GBItemClass *> pending{this};
    while (!pending.empty()) {
        GBItemClass *item = pending.back();
        pending.pop_back();
        item->ParseElements(ends, pending);
    }
}

void GBItemClass::ParseElements(const KeyEnds &ends, std::vector<GBItemClass *> &pending)
{
    const QStringView text = Text;
    qsizetype rest = 0;
    while (true) {
        const qsizetype open = text.indexOf(u'<', rest);
        if (open < 0)
            break;
        const qsizetype tagEnd = text.indexOf(u'>', open + 1);
        const QStringView tag = tagEnd < 0 ? text.mid(open + 1) : text.mid(open + 1, tagEnd - open - 1);
        qsizetype end = text.size() - 1;
        if (tag.startsWith(u"key", Qt::CaseInsensitive)) {
            const qsizetype equals = tag.indexOf(u'=');
            // The end is the ">" after the matching "</key"; without one inside this
            // text, the key takes the rest of it.
            const QChar *close = ends.CloseOf(text.data() + open);
            if (close && close < text.data() + text.size()) {
                const qsizetype found = text.indexOf(u'>', close - text.data());
                if (found >= 0)
                    end = found;
            }
            // The body runs from after the key's own "<" (so its first "<" is that of
            // the first inner element) to before the last "</key" in it.
            QStringView body = text.mid(open + 1, end - open);
            const qsizetype cut = body.lastIndexOf(u"</key");
            body = cut < 0 ? QStringView() : body.left(cut);
            if (Level < MaxLevel) {
                auto child = std::make_unique<GBItemClass>();
                child->Text = body;
                child->Value = (equals < 0 ? tag : tag.mid(equals + 1)).toString();
                child->AttributeName = equals > 4 ? tag.mid(4, equals - 4).toString() : QString();
                child->Parent = this;
                child->Level = Level + 1;
                pending.push_back(child.get());
                Children.push_back(std::move(child));
            }
        } else {
            // A plain element: its content runs to the first closing tag of exactly
            // its name, unparsed; without one it is empty and ends at its own ">".
            const QString closing = QStringLiteral("</") + tag.toString() + QLatin1Char('>');
            const qsizetype found = tagEnd < 0 ? -1 : text.indexOf(closing, tagEnd + 1);
            if (found >= 0) {
                Values.SetValue(tag.toString(), text.mid(tagEnd + 1, found - tagEnd - 1).toString());
                end = found + closing.size() - 1;
            } else {
                Values.SetValue(tag.toString(), QString());
                if (tagEnd >= 0)
                    end = tagEnd;
            }
        }
        rest = end + 1;
    }
}

void GBItemClass::Clear()
{
    Values.Clear();
    Parent = nullptr;
    m_OwnPathSet = false;
    // Taken apart level by level, so that deep nesting cannot exhaust the stack.
    std::vector<std::unique_ptr<GBItemClass>> doomed = std::move(Children);
    Children.clear();
    while (!doomed.empty()) {
        std::unique_ptr<GBItemClass> item = std::move(doomed.back());
        doomed.pop_back();
        for (auto &child : item->Children)
            doomed.push_back(std::move(child));
        item->Children.clear();
    }
}

QString GBItemClass::Path() const
{
    std::vector<const GBItemClass *> chain;
    const GBItemClass *item = this;
    for (; !item->m_OwnPathSet && item->Parent; item = item->Parent)
        chain.push_back(item);
    QString path = item->m_OwnPathSet ? item->m_OwnPath : QStringLiteral("/");
    for (auto below = chain.crbegin(); below != chain.crend(); ++below)
        path = (path == QStringLiteral("/") ? path : path + QLatin1Char('/')) + (*below)->Value;
    return path;
}

bool GBItemClass::HasPath(QStringView path) const
{
    const GBItemClass *item = this;
    while (!item->m_OwnPathSet && item->Parent) {
        // The path ends in "/" + Value; what comes before it is the parent's path,
        // or nothing when that is "/".
        const qsizetype own = item->Value.size() + 1;
        if (path.size() < own || !path.endsWith(item->Value) || path[path.size() - own] != u'/')
            return false;
        path.chop(own);
        item = item->Parent;
        if (path.isEmpty())
            path = u"/";
        else if (path == u"/")
            return false; // the parent's path would have to be "/", which leaves nothing
    }
    return item->m_OwnPathSet ? item->m_OwnPath == path : path == u"/";
}

GBItemClass *GBItemClass::FindItem(const QString &path)
{
    const QString wanted = path == QStringLiteral("/") ? Path() : path;
    std::vector<GBItemClass *> stack{this};
    while (!stack.empty()) {
        GBItemClass *item = stack.back();
        stack.pop_back();
        if (item->HasPath(wanted))
            return item;
        for (auto child = item->Children.rbegin(); child != item->Children.rend(); ++child)
            stack.push_back(child->get());
    }
    return nullptr;
}

QString GBItemClass::GetValue(const QString &name) const
{
    return Values.GetValue(name);
}

void GBItemClass::GetIndexedList(const QString &countName, QStringList &list) const
{
    Values.GetIndexedList(countName, countName, list);
}
