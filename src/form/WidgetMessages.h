#pragma once

#include "platform/Messages.h"

class QWidget;

namespace tarnwick {

// The real message seam: a modal QMessageBox over the given window.
class WidgetMessages final : public Messages
{
public:
    explicit WidgetMessages(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }
    void show(const QString& text, const QString& caption, MessageIcon icon) override;
    bool ask(const QString& text, const QString& caption) override;

private:
    QWidget* m_owner;
};

} // namespace tarnwick
