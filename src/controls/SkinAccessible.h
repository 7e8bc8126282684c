#pragma once
#include <QAccessibleWidget>

class SkinButton;

// What a screen reader learns of a skinned button: a push button (a check button when it is
// one, with its checked state) named by its accessible name, else its caption, else its tool
// tip, described by its tool tip, with the press action. Pressing runs the button's own Space
// key path (one Click; a check button toggles), posted so that the caller returns before the
// command runs (a command may open a modal dialog). Owns nothing; the widget outlives it.
class SkinButtonAccessible : public QAccessibleWidget {
public:
    explicit SkinButtonAccessible(SkinButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    SkinButton* button() const;
};

// The accessible name of a caption: its words without the access-key marks ("&Open" -> "Open",
// "       O K" -> "O K"); empty for an empty caption.
QString accessibleCaption(const QString& caption);

// The factory of the skinned controls' interfaces (for QAccessible::installFactory): a
// SkinButtonAccessible for a SkinButton, nullptr for anything else.
QAccessibleInterface* skinControlsAccessibleFactory(const QString& className, QObject* object);

// Installs skinControlsAccessibleFactory once; later calls do nothing.
void installSkinControlsAccessibility();
