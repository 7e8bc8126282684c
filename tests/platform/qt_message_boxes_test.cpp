// Message boxes on Qt's real QMessageBox: the text with its line breaks, the buttons and what
// they answer, and the keys given back to the window the box came from.
#include "platform/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Calls `act` with the next message box to come up (looked for every 10 ms, for at most 10 s).
void answerNextBox(std::function<void(QMessageBox*)> act)
{
    auto* timer = new QTimer;
    auto* tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, tries] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box || ++*tries > 1000) {
            timer->stop();
            timer->deleteLater();
            delete tries;
            if (box)
                act(box);
        }
    });
    timer->start(10);
}

}  // namespace

TEST(QtMessageBoxes, ShowTheTextAndAnswerByTheButtonPressed)
{
    QWidget owner;
    owner.show();
    QtMessageBoxes boxes(&owner);
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    answerNextBox([&](QMessageBox* box) {
        text = box->text();
        icon = box->icon();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(boxes.show("first line\r\nsecond", "Title", MsgButtons::OkCancel, MsgIcon::Warning), MsgResult::Cancel);
    EXPECT_EQ(text, "first line\nsecond");
    EXPECT_EQ(icon, QMessageBox::Warning);

    answerNextBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(boxes.show("q", "t", MsgButtons::YesNo, MsgIcon::None), MsgResult::Ok);
    answerNextBox([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_EQ(boxes.show("q", "t", MsgButtons::YesNo, MsgIcon::None), MsgResult::Cancel);
    answerNextBox([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(boxes.show("q", "t", MsgButtons::Ok, MsgIcon::Error), MsgResult::Ok);
}

TEST(QtMessageBoxes, TheWindowThatHadTheKeysHasThemAgainAfterTheBox)
{
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    QtMessageBoxes boxes(&window);
    answerNextBox([](QMessageBox* box) {
        // As without a window manager: closing the box leaves no window active.
        box->button(QMessageBox::Ok)->click();
        QApplication::setActiveWindow(nullptr);
    });
    boxes.show("done", "TuneSnip", MsgButtons::Ok, MsgIcon::Information);
    QElapsedTimer waited;  // the activation arrives through the event loop
    waited.start();
    while (QApplication::activeWindow() != &window && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(QApplication::activeWindow(), &window);
}
