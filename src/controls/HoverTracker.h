#pragma once
#include <QObject>

class SkinButton;

// Watches a button's events and hands the pointer moves, the leaving, and the theme and palette
// changes to SkinButton::hookProc. It never swallows an event, so the button's own handling runs.
// Installs itself on the button; does not own it.
class HoverTracker : public QObject {
public:
    explicit HoverTracker(SkinButton& button);
    ~HoverTracker() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinButton& button_;
};
