#include "log/codesuffix.h"

#include <algorithm>

namespace vlog {

namespace {


bool hasSurrogates(const QString &text)
{
    for (const QChar c : text)
        if (c.isSurrogate())
            return true;
    return false;
}

} // namespace

CodeSuffixes::CodeSuffixes(const QStringList &codes)
{
    m_ends.append(QVector<int>());
    for (int i = 0; i < codes.size(); ++i) {
        const QString key = codes.at(i).toCaseFolded();
        int node = 0;
        for (int k = key.size() - 1; k >= 0; --k)
            node = addChild(node, key.at(k).unicode());
        m_ends[node].append(i);
        m_byFolded[key].append(i);
        if (!m_lengths.contains(codes.at(i).size()))
            m_lengths.append(codes.at(i).size());
    }
    std::sort(m_lengths.begin(), m_lengths.end());
}

int CodeSuffixes::child(int node, ushort c) const
{
    return m_children.value((quint64(quint32(node)) << 16) | c, -1);
}

int CodeSuffixes::addChild(int node, ushort c)
{
    const quint64 key = (quint64(quint32(node)) << 16) | c;
    const auto at = m_children.constFind(key);
    if (at != m_children.constEnd())
        return at.value();
    const int added = m_ends.size();
    m_ends.append(QVector<int>());
    m_children.insert(key, added);
    return added;
}

void CodeSuffixes::addEnds(int node, QVector<int> &found) const
{
    found += m_ends.at(node);
}

void CodeSuffixes::match(const QString &text, QVector<int> &found) const
{
    if (hasSurrogates(text)) {
        for (int length : m_lengths) {
            if (length > text.size())
                break;
            found += m_byFolded.value(text.right(length).toCaseFolded());
        }
        return;
    }
    int node = 0;
    addEnds(node, found);
    // Without surrogates, case folding maps each character on its own, so
    // folding the last characters of a text is folding them one at a time.
    for (int k = text.size() - 1; k >= 0 && node >= 0; --k) {
        const ushort u = text.at(k).unicode();
        if (u < 0x80) {
            node = child(node, u >= 'A' && u <= 'Z' ? ushort(u + ('a' - 'A')) : u);
        } else {
            const QString piece = QString(text.at(k)).toCaseFolded();
            for (int j = piece.size() - 1; j >= 0 && node >= 0; --j)
                node = child(node, piece.at(j).unicode());
        }
        if (node >= 0)
            addEnds(node, found);
    }
}

} // namespace vlog
