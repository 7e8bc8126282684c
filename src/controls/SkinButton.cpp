#include "controls/SkinButton.h"

#include "controls/ButtonRegion.h"
#include "controls/SkinAccessible.h"
#include "controls/HoverTracker.h"
#include "controls/SkinToolTip.h"
#include "controls/ThemedButtonPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kMinimumSize = 20;

int buttonNumber(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
}  // namespace

SkinButton::SkinButton(const QString& name, QWidget* parent)
    : QWidget(parent), p_(newSkinButtonProperties(name, font()))
{
    installSkinControlsAccessibility();  // before anything could ask Qt for our interface
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves without a button pressed reach the hover tracker
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kMinimumSize, kMinimumSize);
    themed_ = styleFacePainter(this);
    tracker_ = std::make_unique<HoverTracker>(*this);
    resizeStep();
}

SkinButton::~SkinButton() = default;

SkinToolTip* SkinButton::toolTipWindow() const { return toolTip_.data(); }

void SkinButton::setThemedFacePainter(ThemedFacePainter painter)
{
    themed_ = std::move(painter);
    Refresh();
}

// --- Painting ------------------------------------------------------------------------------------

void SkinButton::Refresh()
{
    const ButtonRender r = renderButton(p_, size(), {drawState_, hasFocus_, isEnabled(), keyboardFocus()}, palette(), themed_);
    face_ = r.image;
    drawState_ = r.drawState;
    if (r.themeFailed) {
        // No themed drawing here: continue for good in the fallback style, with its region.
        p_.style = p_.nonThemeStyle;
        region_ = buttonRegion(p_.style, width(), height());
        setMask(region_);
    }
    update();
}

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, face_);
}

void SkinButton::resizeStep()
{
    if (width() < kMinimumSize || height() < kMinimumSize)
        resize(std::max(width(), kMinimumSize), std::max(height(), kMinimumSize));
    region_ = buttonRegion(p_.style, width(), height());
    setMask(region_);
    Refresh();
}

void SkinButton::resizeEvent(QResizeEvent*) { resizeStep(); }

// --- Properties ----------------------------------------------------------------------------------

void SkinButton::layoutChanged(const char* name)
{
    markChanged(name);
    resizeStep();
}

void SkinButton::plainChanged(const char* name)
{
    markChanged(name);
    Refresh();
}

void SkinButton::setStyle(int NewStyle) { p_.style = NewStyle; layoutChanged("Style"); }
void SkinButton::setIcon(const QImage& NewIcon) { p_.icon = NewIcon; layoutChanged("Icon"); }
void SkinButton::setIconAlign(int NewIconAlign) { p_.iconAlign = NewIconAlign; layoutChanged("IconAlign"); }
void SkinButton::setIconSize(int NewIconSize)
{
    p_.iconSize = static_cast<std::int16_t>(NewIconSize);
    layoutChanged("IconSize");
}
void SkinButton::setCaptionAlign(int NewCaptionAlign) { p_.captionAlign = NewCaptionAlign; layoutChanged("CaptionAlign"); }
void SkinButton::setNonThemeStyle(int NewNonThemeStyle) { p_.nonThemeStyle = NewNonThemeStyle; layoutChanged("NonThemeStyle"); }

void SkinButton::setCaption(const QString& NewCaption)
{
    p_.caption = NewCaption;
    markChanged("Caption");
    resizeStep();
}

void SkinButton::setEnabled(bool bEnabled)
{
    drawState_ = DrawState::Normal;
    p_.enabled = bEnabled;
    QWidget::setEnabled(bEnabled);
    Refresh();
    markChanged("Enabled");
}

void SkinButton::setIconVisible(bool bEnabled) { p_.iconVisible = bEnabled; plainChanged("IconVisible"); }
void SkinButton::setShowFocus(bool bShowFocus) { p_.showFocus = bShowFocus; plainChanged("ShowFocus"); }
void SkinButton::setUseCustomColors(bool bUseCustomColors) { p_.useCustomColors = bUseCustomColors; plainChanged("UseCustomColors"); }
void SkinButton::setBackColor(ButtonColor lBackColor) { p_.backColor = lBackColor; plainChanged("BackColor"); }
void SkinButton::setHighlightColor(ButtonColor lHighlightColor) { p_.highlightColor = lHighlightColor; plainChanged("HighlightColor"); }
void SkinButton::setFontColor(ButtonColor lFontColor) { p_.fontColor = lFontColor; plainChanged("FontColor"); }
void SkinButton::setFontHighlightColor(ButtonColor lFontHighlightColor) { p_.fontHighlightColor = lFontHighlightColor; plainChanged("FontHighlightColor"); }
void SkinButton::setToolTipText(const QString& sToolTipText) { p_.toolTip = sToolTipText; plainChanged("ToolTip"); }
void SkinButton::setToolTipTitle(const QString& sTooltipTitle) { p_.toolTipTitle = sTooltipTitle; plainChanged("ToolTipTitle"); }
void SkinButton::setToolTipIcon(int lTooltipIcon) { p_.toolTipIcon = lTooltipIcon; plainChanged("ToolTipIcon"); }
void SkinButton::setToolTipType(int lToolTipType) { p_.toolTipType = lToolTipType; plainChanged("ToolTipType"); }
void SkinButton::setToolTipBackColor(ButtonColor lToolTipBackColor) { p_.toolTipBackColor = lToolTipBackColor; plainChanged("ToolTipBackColor"); }
void SkinButton::setToolTipForeColor(ButtonColor lToolTipForeColor) { p_.toolTipForeColor = lToolTipForeColor; plainChanged("ToolTipForeColor"); }
void SkinButton::setButtonType(int newType) { p_.buttonType = newType; plainChanged("ButtonType"); }
void SkinButton::setValue(bool newValue) { p_.value = newValue; plainChanged("Value"); }

void SkinButton::setFont(const QFont& newFont)
{
    p_.font = newFont;
    QWidget::setFont(newFont);
    Refresh();
    markChanged("Font");
}

void SkinButton::readProperties(const FormControl& entry)
{
    p_ = readSkinButtonProperties(entry, {QWidget::toolTip(), font()});
    QWidget::setFont(p_.font);
    QWidget::setEnabled(p_.enabled);
    drawState_ = DrawState::Normal;
    resizeStep();
    if (!tracker_)
        tracker_ = std::make_unique<HoverTracker>(*this);
}

QList<QPair<QString, QString>> SkinButton::writeProperties() const
{
    SkinButtonProperties current = p_;
    current.font = font();
    return writeSkinButtonProperties(current, {QWidget::toolTip(), font()});
}

// --- Hover, tooltip --------------------------------------------------------------------------------

void SkinButton::hookProc(bool, bool& bHandled, long long&, QWidget*, HookMessage uMsg, long long, long long)
{
    bHandled = false;
    switch (uMsg) {
    case HookMessage::SysColorChange:
    case HookMessage::ThemeChanged: Refresh(); break;
    case HookMessage::MouseMove:
        if (!mouseInside_) {
            mouseInside_ = true;
            drawState_ = DrawState::Hot;
            Refresh();
            Q_EMIT MouseEnter();
            rebuildToolTip();
        }
        break;
    case HookMessage::MouseLeave:
        // A leave is only ever reported for a hover that began (one leave per hover).
        if (mouseInside_) {
            mouseInside_ = false;
            drawState_ = DrawState::Normal;
            Refresh();
            Q_EMIT MouseLeave();
            if (toolTip_)
                toolTip_->dismiss();
        }
        break;
    }
}

void SkinButton::rebuildToolTip()
{
    delete toolTip_.data();  // a child of ours; QPointer clears itself
    SkinToolTip::Content c;
    c.text = p_.toolTip;
    c.title = p_.toolTipTitle;
    c.titleIcon = p_.toolTipIcon;
    c.balloon = p_.toolTipType == 1;
    // A colour of exactly 0 (black) means the system's colour.
    const QPalette pal = palette();
    c.textColor = p_.toolTipForeColor.isZero() ? systemColor(pal, SysColor::InfoText) : p_.toolTipForeColor.resolve(pal);
    c.backgroundColor = p_.toolTipBackColor.isZero() ? systemColor(pal, SysColor::InfoBack) : p_.toolTipBackColor.resolve(pal);
    toolTip_ = new SkinToolTip(this, c);
    toolTip_->arm();
}

void SkinButton::showEvent(QShowEvent* event)
{
    // Only our own tooltip shows: take over the container's text for this control.
    const QString containerText = QWidget::toolTip();
    if (!containerText.isEmpty()) {
        p_.toolTip = containerText;
        QWidget::setToolTip(QString());
    }
    QWidget::showEvent(event);
}

void SkinButton::hideEvent(QHideEvent* event)
{
    QWidget::setToolTip(p_.toolTip);
    if (toolTip_)
        toolTip_->dismiss();
    QWidget::hideEvent(event);
}

void SkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        Refresh();  // a container disabling us shows the disabled face too
    else if (event->type() == QEvent::FontChange)
        p_.font = font();
    QWidget::changeEvent(event);
}

// --- Mouse and keyboard ------------------------------------------------------------------------------

void SkinButton::leftDown()
{
    drawState_ = DrawState::Pressed;
    if (toolTip_)
        toolTip_->dismiss();
    Refresh();
}

void SkinButton::leftUp()
{
    drawState_ = (p_.buttonType == 1 && !p_.value) ? DrawState::Pressed : DrawState::Hot;
    Refresh();
}

void SkinButton::clickHandling()
{
    if (lastMouseUpButton_ != 1)
        return;
    if (p_.buttonType == 1) {
        p_.value = !p_.value;
        drawState_ = DrawState::Hot;
        Refresh();
    }
    Q_EMIT Click();
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftDown();
    event->accept();
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    lastMouseUpButton_ = buttonNumber(event->button());
    if (event->button() == Qt::LeftButton)
        leftUp();
    // The release that ends a double click raises no second Click.
    const bool click = !afterDoubleClick_ && rect().contains(event->position().toPoint());
    afterDoubleClick_ = false;
    if (click)
        clickHandling();
    event->accept();
}

void SkinButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    afterDoubleClick_ = true;
    if (lastMouseUpButton_ == 1)
        leftDown();  // the second press of a double click shows the pressed look
    event->accept();
}

void SkinButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();  // hovering is the tracker's business; the container never sees our moves
}

void SkinButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        leftDown();
        // One Click per press of the space bar; a check button toggles as on a click.
        if (p_.buttonType == 1) {
            p_.value = !p_.value;
            drawState_ = DrawState::Hot;
            Refresh();
        }
        Q_EMIT Click();
    }
    event->accept();
}

void SkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        lastMouseUpButton_ = 1;
        leftUp();
    }
    event->accept();
}

namespace {
// The focus left with the window (a dialog, a menu) and comes back with it: nothing changes.
bool windowReason(Qt::FocusReason r)
{
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}
}  // namespace

void SkinButton::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardFocus_ = true;
    else if (!windowReason(event->reason()))
        keyboardFocus_ = false;
    hasFocus_ = true;
    Refresh();
    QWidget::focusInEvent(event);
}

void SkinButton::focusOutEvent(QFocusEvent* event)
{
    hasFocus_ = false;
    Refresh();
    QWidget::focusOutEvent(event);
}
