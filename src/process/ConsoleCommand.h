#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// A console command as the program runs it: a program and its argument list,
// together with the one-line text that the user, the runner's CommandLine and
// the tests see. The child is always started from the list, never by handing
// the text to a shell, so a file name reaches it as one literal argument
// whatever characters it holds.
class ConsoleCommand
{
public:
    ConsoleCommand() = default;

    // Builds text and arguments side by side from typed pieces: `quoted`
    // appends one literal argument, shown between double quotes and never
    // split or unescaped; `argument` appends one, shown as it is (or between
    // double quotes); `arguments` appends each, shown with one blank between
    // them; `blank` adds a blank to the text alone.
    class Builder
    {
    public:
        explicit Builder(const QString& program);
        Builder& quoted(const QString& argument);
        Builder& argument(const QString& argument, bool shownQuoted = false);
        Builder& arguments(const QStringList& arguments);
        Builder& blank();
        ConsoleCommand build() const;

    private:
        QString m_program;
        QString m_text;
        QStringList m_arguments;
    };

    const QString& program() const { return m_program; }
    const QStringList& arguments() const { return m_arguments; }
    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    friend bool operator==(const ConsoleCommand&, const ConsoleCommand&) = default;

private:
    QString m_program;
    QStringList m_arguments;
    QString m_text;
};

} // namespace tarnwick
