#pragma once

#include "process/ConsoleCommand.h"

#include <QString>
#include <QStringList>

// Commands written as one line of text, the way a test or a benchmark finds
// it easiest to write one, and that text split back into its words to check
// a command's text against its argument list. The words follow a Windows
// program's rules, which the text the program shows is written for.
namespace tarnwick::test {

namespace commandtext {

inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The first word follows simpler rules than the rest: quotes delimit it and
// backslashes are plain characters (a Windows program path is full of them).
inline qsizetype takeProgram(const QString& text, qsizetype i, QString& word)
{
    bool inQuotes = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            inQuotes = !inQuotes;
        } else if (isBlank(c) && !inQuotes) {
            break;
        } else {
            word.append(c);
        }
    }
    return i;
}

// Later words: 2n backslashes before a quote give n backslashes and a quote
// that groups; 2n+1 give n backslashes and a literal quote; backslashes not
// before a quote are literal. Inside quotes, "" is one literal quote.
inline qsizetype takeArgument(const QString& text, qsizetype i, QString& word)
{
    bool inQuotes = false;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == u'\\') {
            qsizetype n = 0;
            while (i < text.size() && text.at(i) == u'\\') {
                ++n;
                ++i;
            }
            if (i < text.size() && text.at(i) == u'"') {
                word.append(QString(n / 2, u'\\'));
                if (n % 2 == 1) {
                    word.append(u'"');
                    ++i;
                }
            } else {
                word.append(QString(n, u'\\'));
            }
        } else if (c == u'"') {
            if (inQuotes && i + 1 < text.size() && text.at(i + 1) == u'"') {
                word.append(u'"');
                i += 2;
            } else {
                inQuotes = !inQuotes;
                ++i;
            }
        } else if (isBlank(c) && !inQuotes) {
            break;
        } else {
            word.append(c);
            ++i;
        }
    }
    return i;
}

inline qsizetype skipBlanks(const QString& text, qsizetype i)
{
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    return i;
}

// Appends the words of a text after the program: a blank for each blank, each
// word one argument, shown between quotes when it was written so.
inline ConsoleCommand::Builder& appendWords(ConsoleCommand::Builder& builder, const QString& text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (isBlank(text.at(i))) {
            builder.blank();
            ++i;
            continue;
        }
        QString word;
        const bool shownQuoted = text.at(i) == u'"';
        i = takeArgument(text, i, word);
        builder.argument(word, shownQuoted);
    }
    return builder;
}

} // namespace commandtext

// Blank-separated words, the first one the program; double quotes group
// words and are removed.
inline QStringList splitCommandText(const QString& text)
{
    using namespace commandtext;
    QStringList words;
    qsizetype i = skipBlanks(text, 0);
    while (i < text.size()) {
        QString word;
        i = words.isEmpty() ? takeProgram(text, i, word) : takeArgument(text, i, word);
        words.append(word);
        i = skipBlanks(text, i);
    }
    return words;
}

// The command a text stands for, built from the builder's typed pieces. Its
// text is the one given when that is written as the program writes its own:
// the program first and unquoted, words parted by blanks (not tabs), each
// plain or wholly between quotes.
inline ConsoleCommand commandFromText(const QString& text)
{
    using namespace commandtext;
    const qsizetype start = skipBlanks(text, 0);
    if (start == text.size())
        return {};
    QString program;
    const qsizetype end = takeProgram(text, start, program);
    ConsoleCommand::Builder builder(program);
    return appendWords(builder, text.mid(end)).build();
}

} // namespace tarnwick::test
