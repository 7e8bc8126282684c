#pragma once
#include "app/SkinnedWindow.h"

#include <QTimer>
#include <cstdint>
#include <functional>

class QLabel;

// The splash window: three progress texts a second apart, then it hides itself, lets the
// caller show the main window and closes. It owns its labels and its timer only.
class frmSplash : public SkinnedWindow {
    Q_OBJECT
public:
    // `showMain` runs at the third tick, after the splash is hidden; it creates and shows the
    // main window.
    explicit frmSplash(std::function<void()> showMain, QWidget* parent = nullptr);

    QLabel* label1() const { return Label1; }
    QLabel* label2() const { return Label2; }
    QLabel* label3() const { return Label3; }
    std::int16_t tickCounter() const { return tickCounter_; }
    QTimer* timer1() { return &Timer1; }

    // One tick of Timer1 (public so that tests need not wait a second for each).
    void Timer1_Timer();

private:
    std::function<void()> showMain_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QTimer Timer1;
    std::int16_t tickCounter_ = 0;
};
