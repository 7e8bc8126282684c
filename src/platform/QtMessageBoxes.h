#pragma once
#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Message boxes shown with QMessageBox, modal to the owner window (none: application-modal).
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

private:
    QPointer<QWidget> owner_;
};
