// The command-text splitter: arbitrary text, and argument lists quoted the
// way a Windows program expects, which must split back into the same list.
#include "FuzzCheck.h"

#include "process/ConsoleCommand.h"
#include "support/CommandText.h"

using namespace tarnwick;

namespace {

// The quoting that CommandLineToArgvW undoes.
QString quoteArgument(const QString& argument)
{
    const bool plain = !argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t') &&
                       !argument.contains(u'"');
    if (plain)
        return argument;
    QString quoted = QStringLiteral("\"");
    qsizetype backslashes = 0;
    for (QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        if (c == u'"')
            quoted += QString(backslashes * 2 + 1, u'\\');
        else
            quoted += QString(backslashes, u'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted += QString(backslashes * 2, u'\\');
    quoted += u'"';
    return quoted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::text(data, size);

    const QStringList words = test::splitCommandText(text);
    FUZZ_CHECK(words.size() <= text.size());
    const ConsoleCommand command = test::commandFromText(text);
    if (!words.isEmpty()) {
        FUZZ_CHECK(command.program() == words.first());
        FUZZ_CHECK(command.arguments() == words.mid(1));
    }

    // The text as a list of arguments, one per line.
    const QStringList arguments = text.split(u'\n');
    QString line = QStringLiteral("conv.exe");
    for (const QString& argument : arguments)
        line += u' ' + quoteArgument(argument);
    FUZZ_CHECK(test::splitCommandText(line) == QStringList{QStringLiteral("conv.exe")} + arguments);

    // The builder's own quoting, for the arguments it can show: no quote
    // inside, no backslash before the closing one.
    ConsoleCommand::Builder builder(QStringLiteral("conv.exe"));
    QStringList shown;
    for (const QString& argument : arguments) {
        if (argument.contains(u'"') || argument.endsWith(u'\\'))
            continue;
        builder.blank().quoted(argument);
        shown << argument;
    }
    const ConsoleCommand built = builder.build();
    FUZZ_CHECK(built.arguments() == shown);
    FUZZ_CHECK(test::splitCommandText(built.text()) == QStringList{QStringLiteral("conv.exe")} + shown);
    // A text written as the program writes one is kept as it is.
    FUZZ_CHECK(test::commandFromText(built.text()) == built);
    return 0;
}
