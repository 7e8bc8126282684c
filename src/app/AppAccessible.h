#pragma once
#include <QAccessibleWidget>
#include <QCoreApplication>

class ImageControl;
class QLabel;
class SkinLabel;

// The role a screen reader announces for an ImageControl: a push button, a menu item (the menu
// bar's pictures), or a mere picture (the hover artwork stores).
void setAccessibleRole(ImageControl* control, QAccessible::Role role);
// What a skinned label shows, for a screen reader: its accessible name becomes
// "<meaning>, <text>" ("Selection begin, 00:00:12"), the meaning alone while the label is empty;
// an empty meaning leaves the text alone.
void setLabelMeaning(SkinLabel* label, const QString& meaning);

// A picture control as assistive technology sees it: the role given by setAccessibleRole (a
// button when none was given and it can take the focus or has a name, else a picture), named by
// its accessible name or else its tool tip and described by its tool tip (which names the
// shortcut). Buttons and menu items have the press action: it emits the control's clicked()
// once the caller has returned (a command may open a modal dialog or a menu), if the control is
// still enabled then. A progress bar (a progress panel) has a value: the percentage last given
// by setProgressPercent, 0 to 100. Owns nothing; the widget outlives it.
class ImageControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ImageControlAccessible(ImageControl* control);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}  // a progress is not the user's to set
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ImageControl* control() const;
};

// A skinned label as assistive technology sees it: static text named "<meaning>, <text>" (see
// setLabelMeaning) or by its text alone; a path label names its whole path, not the elided one.
// Described by its tool tip. Owns nothing.
class SkinLabelAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(SkinLabelAccessible)
public:
    explicit SkinLabelAccessible(SkinLabel* label);

    QString text(QAccessible::Text t) const override;

private:
    QString shownText() const;
};

// Makes `panel` a progress bar for assistive technology (see ImageControlAccessible).
void setProgressRole(ImageControl* panel);
// The percentage a progress panel shows (limited to 0..100); a change is announced as an
// accessible value change, the same percentage again announces nothing.
void setProgressPercent(ImageControl* panel, int percent);

// The factory of the main window's controls (for QAccessible::installFactory): the interfaces
// above for ImageControl, SkinLabel and PathLabel, nullptr for anything else.
QAccessibleInterface* appAccessibleFactory(const QString& className, QObject* object);

// Installs the factories of the windows' controls, the skinned buttons and the timeline; calling
// it again changes nothing.
void installAppAccessibility();
