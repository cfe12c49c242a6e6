#include "core/platform/HelpBook.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Case and the letter ё do not matter to a reader looking something up.
QString fold(const QString& s) {
    QString f = s.toLower();
    f.replace(QChar(0x0451), QChar(0x0435));
    return f;
}

QString decodeEntities(QString s) {
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = numeric.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        out += s.mid(last, m.capturedStart() - last);
        bool ok = false;
        const uint code = m.captured(2).toUInt(&ok, m.captured(1).isEmpty() ? 10 : 16);
        if (ok)
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        last = m.capturedEnd();
    }
    out += s.mid(last);
    out.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&laquo;"), QStringLiteral("«"));
    out.replace(QStringLiteral("&raquo;"), QStringLiteral("»"));
    out.replace(QStringLiteral("&mdash;"), QStringLiteral("—"));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

QString plainText(const QString& html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QString text = html;
    text.replace(tags, QStringLiteral(" "));
    return decodeEntities(text).replace(spaces, QStringLiteral(" ")).trimmed();
}

QString attribute(const QString& tag, const QString& name) {
    const QRegularExpression re(name + QStringLiteral("\\s*=\\s*\"([^\"]*)\""));
    const auto m = re.match(tag);
    return m.hasMatch() ? decodeEntities(m.captured(1)) : QString();
}

int countOf(const QString& haystack, const QString& needle) {
    int n = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1))
        ++n;
    return n;
}

} // namespace

HelpBook HelpBook::parse(const QString& html) {
    HelpBook book;
    static const QRegularExpression section(QStringLiteral("<section\\b([^>]*)>(.*?)</section>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression heading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);

    QMap<QString, QString> shownKeyword; // folded -> as written first
    for (auto it = section.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        HelpTopic topic;
        bool ok = false;
        topic.number = attribute(m.captured(1), QStringLiteral("data-topic")).toInt(&ok);
        if (!ok || topic.number <= 0 || book.topic(topic.number))
            continue; // a section without a usable, unique number is not a topic
        topic.html = m.captured(2).trimmed();
        topic.title = plainText(heading.match(topic.html).captured(1));
        topic.text = plainText(topic.html);
        const QStringList words = attribute(m.captured(1), QStringLiteral("data-keywords"))
                                      .split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& w : words) {
            const QString keyword = w.simplified();
            if (keyword.isEmpty())
                continue;
            topic.keywords.append(keyword);
            const QString key = fold(keyword);
            if (!shownKeyword.contains(key))
                shownKeyword.insert(key, keyword);
            QList<int>& list = book.keywordTopics_[key];
            if (!list.contains(topic.number))
                list.append(topic.number);
        }
        book.topics_.append(topic);
    }

    book.keywords_ = shownKeyword.values();
    QCollator collator{QLocale(QLocale::Russian)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(book.keywords_.begin(), book.keywords_.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return book;
}

HelpBook HelpBook::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

const HelpTopic* HelpBook::topic(int number) const {
    for (const HelpTopic& t : topics_)
        if (t.number == number)
            return &t;
    return nullptr;
}

QList<int> HelpBook::topicsForKeyword(const QString& keyword) const {
    return keywordTopics_.value(fold(keyword.simplified()));
}

QList<int> HelpBook::search(const QString& query) const {
    const QStringList words =
        fold(query).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    QList<QPair<int, int>> hits; // (hit count, contents position)
    for (int i = 0; i < topics_.size(); ++i) {
        const QString text = fold(topics_[i].text);
        int total = 0;
        bool all = true;
        for (const QString& w : words) {
            const int n = countOf(text, w);
            if (n == 0) {
                all = false;
                break;
            }
            total += n;
        }
        if (all)
            hits.append({total, i});
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<int> result;
    for (const auto& h : hits)
        result.append(topics_[h.second].number);
    return result;
}

int HelpBook::linkTarget(const QString& href) {
    static const QRegularExpression re(QStringLiteral("^#?topic-(\\d+)$"));
    const auto m = re.match(href.trimmed());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
