#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

MsgResult QtMessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(owner_.data());
    box.setWindowTitle(title);
    // Texts keep their CR LF line breaks; a label shows a break from LF alone.
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // The window that had the keys gets them back: a window manager would hand them back, but
    // without one nothing does, and the window's shortcuts would be dead after the box.
    const QPointer<QWidget> returnTo = QApplication::activeWindow() ? QApplication::activeWindow() : owner_.data();
    const int answer = box.exec();
    if (returnTo && returnTo->isVisible() && QApplication::activeWindow() != returnTo)
        returnTo->activateWindow();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes ? MsgResult::Ok : MsgResult::Cancel;
}
