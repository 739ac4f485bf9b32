#pragma once

#include <QCoreApplication>
#include <QString>

namespace tarnwick {

// The caption of every message box the program shows on its own behalf.
inline const QString kProgramTitle = QStringLiteral("Tarnwick");

// Said when the encoder (or any command) cannot be started.
inline QString fileNotFound()
{
    return QCoreApplication::translate("tarnwick::ProcessRunner", "File or command not found");
}

enum class MessageIcon { None, Critical, Exclamation, Information, Question };

// Every message box goes through this seam, so logic can report to the user
// without depending on widgets, and tests can record what would be shown.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void show(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // A question with Yes and No; true for Yes. Where nobody can answer
    // (no window), it is shown and taken as No.
    virtual bool ask(const QString& text, const QString& caption)
    {
        show(text, caption, MessageIcon::Question);
        return false;
    }
};

} // namespace tarnwick
