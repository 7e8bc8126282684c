#include "app/TimeFieldEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>

namespace {
// The edit is a little taller than the label, so that its frame does not cover the digits.
constexpr int kEditMargin = 2;

bool isEnter(const QKeyEvent* k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}
}  // namespace

TimeFieldEditor::TimeFieldEditor(QLabel* label, TimeField field, Apply apply, Current current, Allowed allowed,
                                 QObject* parent)
    : QObject(parent), label_(label), field_(field), apply_(std::move(apply)), current_(std::move(current)),
      allowed_(std::move(allowed))
{
    label_->setFocusPolicy(Qt::StrongFocus);
    label_->setCursor(Qt::IBeamCursor);
    labelObject_ = label;
    label_->installEventFilter(this);
}

bool TimeFieldEditor::isEditing() const
{
    return edit_ && edit_->isVisible();
}

bool TimeFieldEditor::begin()
{
    if (!label_ || (allowed_ && !allowed_()))
        return false;
    if (!edit_) {
        edit_ = new QLineEdit(label_->parentWidget());
        edit_->setObjectName(label_->objectName() + QStringLiteral("Edit"));
        edit_->setAlignment(Qt::AlignCenter);
        edit_->setFrame(false);
        editObject_ = edit_;
        edit_->installEventFilter(this);
        connect(edit_, &QLineEdit::textEdited, this, &TimeFieldEditor::clearError);
    }
    edit_->setFont(label_->font());
    edit_->setAccessibleName(label_->accessibleName());
    const QRect r = label_->geometry();
    edit_->setGeometry(r.adjusted(0, -kEditMargin, 0, kEditMargin));
    clearError();
    const auto* text = qobject_cast<const QLabel*>(label_.data());
    edit_->setText(current_ ? current_(field_) : text ? text->text() : QString());
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->selectAll();
    return true;
}

bool TimeFieldEditor::commit()
{
    const QString why = apply_ ? apply_(field_, edit_->text()) : QString();
    if (!why.isEmpty()) {
        showError(why);
        return false;
    }
    close(true);
    return true;
}

void TimeFieldEditor::close(bool applied)
{
    if (!edit_ || closing_)
        return;
    closing_ = true;
    clearError();
    const bool hadFocus = edit_->hasFocus();
    edit_->hide();
    if (hadFocus && label_)
        label_->setFocus(Qt::OtherFocusReason);
    closing_ = false;
    Q_EMIT finished(applied);
}

void TimeFieldEditor::showError(const QString& why)
{
    edit_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #d01010; background: #fff0f0; }"));
    edit_->setToolTip(why);
    edit_->setProperty("timeError", true);
    QToolTip::showText(edit_->mapToGlobal(QPoint(0, edit_->height())), why, edit_);
}

void TimeFieldEditor::clearError()
{
    if (!edit_ || !edit_->property("timeError").toBool())
        return;
    edit_->setStyleSheet(QString());
    edit_->setToolTip(QString());
    edit_->setProperty("timeError", false);
    QToolTip::hideText();
}

bool TimeFieldEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labelObject_) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            begin();
            return true;
        }
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            begin();
            return true;
        }
        return false;
    }
    if (watched != editObject_ || !edit_)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // While typing, every key is the edit's: no window shortcut (B, E, Space, Esc) fires.
        auto* k = static_cast<QKeyEvent*>(event);
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
            k->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (isEnter(k)) {
            commit();
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            close(false);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut: {
        // A click elsewhere applies; another window (a menu, the tool tip) leaves the edit as it is.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (!closing_ && isEditing() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commit();
        return false;
    }
    default: return false;
    }
}
