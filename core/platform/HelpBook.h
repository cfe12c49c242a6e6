#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The game's help file: UTF-8 HTML whose topics are
//   <section data-topic="N" data-keywords="word; word"> <h1>Title</h1> ... </section>
// Links between topics are written href="#topic-N".
struct HelpTopic {
    int number = 0;
    QString title;
    QString html; // the section's inner HTML, title included
    QString text; // plain text of the section, for searching
    QStringList keywords;
};

class HelpBook {
public:
    static HelpBook parse(const QString& html);
    // An empty book when the file cannot be read.
    static HelpBook load(const QString& path);

    bool isEmpty() const { return topics_.isEmpty(); }
    // In the order of the file, which is the order of the contents.
    const QList<HelpTopic>& topics() const { return topics_; }
    const HelpTopic* topic(int number) const;

    // Index keywords in Russian alphabetical order, and the topics each points to.
    QStringList keywords() const { return keywords_; }
    QList<int> topicsForKeyword(const QString& keyword) const;

    // Topics containing every word of the query, ignoring case (and ё against е);
    // those with more hits first, ties in contents order.
    QList<int> search(const QString& query) const;

    // The topic number named by a link such as "#topic-7", or 0.
    static int linkTarget(const QString& href);

private:
    QList<HelpTopic> topics_;
    QStringList keywords_;
    QMap<QString, QList<int>> keywordTopics_; // folded keyword -> topics
};
