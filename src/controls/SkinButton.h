#pragma once
#include "controls/ButtonRenderer.h"
#include "controls/FormDescription.h"
#include "controls/SkinButtonPersistence.h"

#include <QImage>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <memory>

class SkinToolTip;
class HoverTracker;

// The window messages the hover hook hands to SkinButton::hookProc.
enum class HookMessage : unsigned {
    SysColorChange = 0x15,
    MouseMove = 0x200,
    MouseLeave = 0x2A3,
    ThemeChanged = 0x31A,
};

// An owner-drawn push or check button in eleven styles, with hover and pressed looks, focus,
// an icon and a tooltip of its own. Owns its tooltip window and its hover tracker; the face
// painting lives in renderButton, the themed face of style 6 in the painter it is given.
class SkinButton : public QWidget {
    Q_OBJECT
public:
    // A new control: the new-control defaults with `name` as caption and object name.
    explicit SkinButton(const QString& name = QStringLiteral("SkinButton"), QWidget* parent = nullptr);
    ~SkinButton() override;

    // Receives the hooked messages (move, leave, theme and colour changes); never marks one handled.
    void hookProc(bool bBefore, bool& bHandled, long long& lReturn, QWidget* lng_hWnd, HookMessage uMsg,
                  long long wParam, long long lParam);
    // Repaints the face from the current state.
    void Refresh();
    static QString Version() { return QStringLiteral("3.0"); }

    int Style() const { return p_.style; }
    void setStyle(int NewStyle);
    using QWidget::setStyle;
    QString Caption() const { return p_.caption; }
    void setCaption(const QString& NewCaption);
    QImage Icon() const { return p_.icon; }
    void setIcon(const QImage& NewIcon);
    int IconAlign() const { return p_.iconAlign; }
    void setIconAlign(int NewIconAlign);
    int IconSize() const { return p_.iconSize; }
    void setIconSize(int NewIconSize);
    int CaptionAlign() const { return p_.captionAlign; }
    void setCaptionAlign(int NewCaptionAlign);
    int NonThemeStyle() const { return p_.nonThemeStyle; }
    void setNonThemeStyle(int NewNonThemeStyle);
    bool Enabled() const { return p_.enabled; }
    void setEnabled(bool bEnabled);
    bool IconVisible() const { return p_.iconVisible; }
    void setIconVisible(bool bEnabled);
    bool ShowFocus() const { return p_.showFocus; }
    void setShowFocus(bool bShowFocus);
    bool UseCustomColors() const { return p_.useCustomColors; }
    void setUseCustomColors(bool bUseCustomColors);
    ButtonColor BackColor() const { return p_.backColor; }
    void setBackColor(ButtonColor lBackColor);
    ButtonColor HighlightColor() const { return p_.highlightColor; }
    void setHighlightColor(ButtonColor lHighlightColor);
    ButtonColor FontColor() const { return p_.fontColor; }
    void setFontColor(ButtonColor lFontColor);
    ButtonColor FontHighlightColor() const { return p_.fontHighlightColor; }
    void setFontHighlightColor(ButtonColor lFontHighlightColor);
    QString ToolTip() const { return p_.toolTip; }
    void setToolTipText(const QString& sToolTipText);  // QWidget::setToolTip is the container's copy
    QString ToolTipTitle() const { return p_.toolTipTitle; }
    void setToolTipTitle(const QString& sTooltipTitle);
    int ToolTipIcon() const { return p_.toolTipIcon; }
    void setToolTipIcon(int lTooltipIcon);
    int ToolTipType() const { return p_.toolTipType; }
    void setToolTipType(int lToolTipType);
    ButtonColor ToolTipBackColor() const { return p_.toolTipBackColor; }
    void setToolTipBackColor(ButtonColor lToolTipBackColor);
    ButtonColor ToolTipForeColor() const { return p_.toolTipForeColor; }
    void setToolTipForeColor(ButtonColor lToolTipForeColor);
    QFont Font() const { return font(); }
    void setFont(const QFont& newFont);
    int ButtonType() const { return p_.buttonType; }
    void setButtonType(int newType);
    bool Value() const { return p_.value; }
    void setValue(bool newValue);

    // Reads every property from the control's form entry (reading defaults for absent keys), sets
    // drawState to 1 and starts the hover tracking.
    void readProperties(const FormControl& entry);
    // The keys and values to store in a form description, omitting the defaults.
    QList<QPair<QString, QString>> writeProperties() const;
    const SkinButtonProperties& properties() const { return p_; }

    // Run-time state, for the container and for tests.
    int drawState() const { return drawState_; }
    bool hasFocus() const { return hasFocus_; }
    // The keyboard (Tab) brought the focus here and it is still here: the face shows the ring.
    bool keyboardFocus() const { return hasFocus_ && keyboardFocus_; }
    bool mouseInside() const { return mouseInside_; }
    int lastMouseUpButton() const { return lastMouseUpButton_; }
    int captionFlags() const { return captionFormat(p_.captionAlign); }
    QRect captionRect() const { return QRect(QPoint(4, 4), QPoint(width() - 5, height() - 5)); }
    QRegion windowRegion() const { return region_; }
    QImage faceImage() const { return face_; }
    QSet<QString> changedProperties() const { return changed_; }
    SkinToolTip* toolTipWindow() const;

    // Replaces the themed painter of style 6 (a test can make it fail).
    void setThemedFacePainter(ThemedFacePainter painter);

Q_SIGNALS:
    void Click();
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void markChanged(const char* name) { changed_.insert(QString::fromLatin1(name)); }
    void layoutChanged(const char* name);  // store done: mark, resize step, repaint
    void plainChanged(const char* name);   // store done: mark, repaint
    void resizeStep();
    void leftDown();
    void leftUp();
    void clickHandling();
    void rebuildToolTip();

    SkinButtonProperties p_;
    int drawState_ = DrawState::Normal;
    bool hasFocus_ = false;
    bool keyboardFocus_ = false;
    bool mouseInside_ = false;
    int lastMouseUpButton_ = 0;
    bool afterDoubleClick_ = false;
    QRegion region_;
    QImage face_;
    QSet<QString> changed_;
    ThemedFacePainter themed_;
    std::unique_ptr<HoverTracker> tracker_;
    QPointer<SkinToolTip> toolTip_;
};
