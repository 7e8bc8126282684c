#include "controls/ThemedButtonPainter.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

ThemedFacePainter styleFacePainter(const QWidget* widget, const QStyle* fixedStyle)
{
    return [widget, fixedStyle](QImage& surface, int drawState, bool hasFocus) {
        const QStyle* style = fixedStyle ? fixedStyle : widget ? widget->style() : QApplication::style();
        if (!style || surface.isNull())
            return false;
        QPainter painter(&surface);
        if (!painter.isActive())
            return false;
        QStyleOptionButton option;
        if (widget)
            option.initFrom(widget);
        option.rect = surface.rect();
        option.state = QStyle::State_None;
        switch (drawState) {
        case DrawState::Hot: option.state |= QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Raised; break;
        case DrawState::Pressed: option.state |= QStyle::State_Enabled | QStyle::State_Sunken; break;
        case DrawState::Disabled: option.state |= QStyle::State_Raised; break;
        default:
            option.state |= QStyle::State_Enabled | QStyle::State_Raised;
            if (hasFocus) {  // the defaulted look
                option.state |= QStyle::State_HasFocus;
                option.features |= QStyleOptionButton::DefaultButton;
            }
            break;
        }
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, widget);
        return true;
    };
}
