#pragma once
#include <QAbstractButton>

// A tab of the settings window's header. The artwork draws the tabs (the page's own tab lit);
// the tab itself is the click area over one of them: it draws a light shade while the pointer is
// over it and a focus frame when the keyboard has taken it there (Tab, then Space to choose).
class SettingsPageTab : public QAbstractButton {
    Q_OBJECT
public:
    explicit SettingsPageTab(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};
