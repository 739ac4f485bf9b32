#pragma once

#include "process/ProcessRunner.h"
#include "support/CommandText.h"

#include <QSignalSpy>

namespace tarnwick::test {

// One run waited for to its end, as a test wants it: the command given (an
// empty one keeps the runner's own) started, and its end awaited here. The
// output collected; empty when the runner was busy or nothing could start.
inline QString runToEnd(ProcessRunner& runner, const ConsoleCommand& command = {})
{
    if (runner.isRunning())
        return {};
    if (!command.isEmpty())
        runner.setCommand(command);
    QSignalSpy ended(&runner, &ProcessRunner::finished);
    if (!runner.start())
        return {};
    while (ended.isEmpty() && runner.isRunning())
        ended.wait(1000);
    return runner.outputs();
}

inline QString runToEnd(ProcessRunner& runner, const QString& text)
{
    return runToEnd(runner, text.isEmpty() ? ConsoleCommand{} : commandFromText(text));
}

} // namespace tarnwick::test
