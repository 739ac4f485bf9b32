#include "process/ConsoleCommand.h"

namespace tarnwick {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The first word follows simpler rules than the rest: quotes delimit it and
// backslashes are plain characters (a Windows program path is full of them).
qsizetype takeProgram(const QString& text, qsizetype i, QString& word)
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
qsizetype takeArgument(const QString& text, qsizetype i, QString& word)
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

qsizetype skipBlanks(const QString& text, qsizetype i)
{
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    return i;
}

QStringList splitWords(const QString& text, bool firstIsProgram)
{
    QStringList words;
    qsizetype i = skipBlanks(text, 0);
    while (i < text.size()) {
        QString word;
        i = (firstIsProgram && words.isEmpty()) ? takeProgram(text, i, word)
                                                : takeArgument(text, i, word);
        words.append(word);
        i = skipBlanks(text, i);
    }
    return words;
}

} // namespace

QStringList ConsoleCommand::splitText(const QString& text)
{
    return splitWords(text, true);
}

ConsoleCommand ConsoleCommand::fromText(const QString& text)
{
    ConsoleCommand command;
    command.m_text = text;
    QStringList words = splitText(text);
    if (!words.isEmpty()) {
        command.m_program = words.takeFirst();
        command.m_arguments = words;
    }
    return command;
}

ConsoleCommand::Builder::Builder(const QString& program) : m_program(program), m_text(program) {}

ConsoleCommand::Builder& ConsoleCommand::Builder::words(const QString& text)
{
    m_text.append(text);
    m_arguments.append(splitWords(text, false));
    return *this;
}

ConsoleCommand::Builder& ConsoleCommand::Builder::quoted(const QString& argument)
{
    m_text.append(u'"').append(argument).append(u'"');
    m_arguments.append(argument);
    return *this;
}

ConsoleCommand::Builder& ConsoleCommand::Builder::argument(const QString& argument, bool shownQuoted)
{
    if (shownQuoted)
        return quoted(argument);
    m_text.append(argument);
    m_arguments.append(argument);
    return *this;
}

ConsoleCommand::Builder& ConsoleCommand::Builder::arguments(const QStringList& arguments)
{
    m_text.append(arguments.join(u' '));
    m_arguments.append(arguments);
    return *this;
}

ConsoleCommand::Builder& ConsoleCommand::Builder::blank()
{
    m_text.append(u' ');
    return *this;
}

ConsoleCommand ConsoleCommand::Builder::build() const
{
    ConsoleCommand command;
    command.m_program = m_program;
    command.m_arguments = m_arguments;
    command.m_text = m_text;
    return command;
}

} // namespace tarnwick
