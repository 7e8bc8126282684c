#include "controls/HoverTracker.h"

#include "controls/SkinButton.h"

#include <QEvent>

HoverTracker::HoverTracker(SkinButton& button) : button_(button) { button_.installEventFilter(this); }

HoverTracker::~HoverTracker() { button_.removeEventFilter(this); }

bool HoverTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &button_)
        return false;
    HookMessage message;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:  // an enter is the first move over the control
        message = HookMessage::MouseMove;
        break;
    case QEvent::Leave: message = HookMessage::MouseLeave; break;
    case QEvent::StyleChange:
    case QEvent::ThemeChange: message = HookMessage::ThemeChanged; break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange: message = HookMessage::SysColorChange; break;
    default: return false;
    }
    bool handled = false;
    long long result = 0;
    button_.hookProc(false, handled, result, &button_, message, 0, 0);
    return false;  // the control's own processing always takes place
}
