#pragma once
#include <QString>

// Buttons, icons and answers of a message box. With YesNo, Ok is the answer Yes and Cancel No.
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Warning, Error };
enum class MsgResult { Ok, Cancel };

// Shows a modal message box and returns the answer. The window library implements it with
// QMessageBox; tests replace it to answer and record.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) = 0;
};
