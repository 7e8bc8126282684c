#pragma once
#include "timeline/EditorModel.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QEvent;
class QLabel;
class QWidget;
class QLineEdit;

// Typing a time into one field of the selection row (Begin, End or Length). The label stays what
// it is; a click on it, or Enter while it has the keyboard (it is a Tab stop), lays a line edit
// over it with its time selected. Enter applies, Esc restores and leaves, and the focus going
// elsewhere applies. A time that is not taken leaves the edit open with a red frame and a tool
// tip that says why, until the text is changed. What a typed text does is the caller's
// (`apply`, which returns the empty text when it took the time, else the reason); what the edit
// starts with is `current`. Owns the line edit (a child of the label's parent); borrows the label.
class TimeFieldEditor : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<QString(TimeField, const QString&)>;
    using Current = std::function<QString(TimeField)>;
    using Allowed = std::function<bool()>;

    // `allowed` says whether editing may start now (a file is open, nothing runs).
    TimeFieldEditor(QLabel* label, TimeField field, Apply apply, Current current, Allowed allowed,
                    QObject* parent = nullptr);

    // Lays the edit over the label and gives it the keyboard; false when not allowed.
    bool begin();
    bool isEditing() const;
    // The line edit, while it exists (for tests and the window's layout).
    QLineEdit* lineEdit() const { return edit_; }
    TimeField field() const { return field_; }

Q_SIGNALS:
    // The edit closed after a time was applied (true) or after Esc (false).
    void finished(bool applied);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies the text; true when it was taken (the edit is then closed).
    bool commit();
    void close(bool applied);
    void showError(const QString& why);
    void clearError();

    QPointer<QWidget> label_;  // a QWidget: still one while the label is being destroyed
    // The watched objects as plain addresses, only compared: events reach the filter while an
    // object is being destroyed, when it is no longer a QLabel or a QLineEdit.
    const QObject* labelObject_ = nullptr;
    const QObject* editObject_ = nullptr;
    TimeField field_;
    Apply apply_;
    Current current_;
    Allowed allowed_;
    QLineEdit* edit_ = nullptr;
    bool closing_ = false;
};
