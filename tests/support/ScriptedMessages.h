#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QStringList>

namespace tarnwick::test {

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// The message seam for tests: holds the messages a test expects, in order,
// and notes every call that does not match. A test ends with
// QVERIFY2(messages.done(), qPrintable(messages.problems())).
class ScriptedMessages final : public Messages
{
public:
    void expect(const QString& text, const QString& caption, MessageIcon icon)
    {
        m_expected.append({text, caption, icon});
    }

    void show(const QString& text, const QString& caption, MessageIcon icon) override
    {
        const ShownMessage shown{text, caption, icon};
        m_shown.append(shown);
        if (m_expected.isEmpty())
            m_problems << QStringLiteral("unexpected message \"%1\" (%2)").arg(text, caption);
        else if (!(m_expected.first() == shown))
            m_problems << QStringLiteral("expected \"%1\" (%2), got \"%3\" (%4)")
                              .arg(m_expected.first().text, m_expected.first().caption, text, caption);
        if (!m_expected.isEmpty())
            m_expected.removeFirst();
    }

    // A question expected next, and the answer to give.
    void expectQuestion(const QString& text, const QString& caption, bool answer)
    {
        m_expected.append({text, caption, MessageIcon::Question});
        m_answers.append(answer);
    }
    bool ask(const QString& text, const QString& caption) override
    {
        show(text, caption, MessageIcon::Question);
        return m_answers.isEmpty() ? false : m_answers.takeFirst();
    }

    bool done() const { return m_problems.isEmpty() && m_expected.isEmpty(); }
    QString problems() const
    {
        QStringList all = m_problems;
        for (const ShownMessage& left : m_expected)
            all << QStringLiteral("expected \"%1\" was never shown").arg(left.text);
        return all.join(u"; ");
    }
    const QList<ShownMessage>& shown() const { return m_shown; }

private:
    QList<ShownMessage> m_expected;
    QList<ShownMessage> m_shown;
    QList<bool> m_answers;
    QStringList m_problems;
};

} // namespace tarnwick::test
