#include "process/ConsoleCommand.h"

namespace tarnwick {

ConsoleCommand::Builder::Builder(const QString& program) : m_program(program), m_text(program) {}

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
