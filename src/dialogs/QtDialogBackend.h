#pragma once
#include "dialogs/DialogBackend.h"

#include <functional>

// The standard dialogs on Qt: QFileDialog, QColorDialog, QFontDialog, QPrintDialog and
// QPageSetupDialog, each run modally with exec(). Owns nothing between calls.
class QtDialogBackend : public DialogBackend {
public:
    // `printerAvailable` decides whether the printer dialogs may open; by default whether the
    // system knows any printer.
    explicit QtDialogBackend(std::function<bool()> printerAvailable = {});

    std::optional<QString> getOpenFileName(QWidget* owner, const FileRequest& request) override;
    std::optional<QString> getSaveFileName(QWidget* owner, const FileRequest& request) override;
    std::optional<QColor> getColor(QWidget* owner, const QColor& initial, bool fullOpen) override;
    std::optional<FontChoice> getFont(QWidget* owner, const FontRequest& request) override;
    std::optional<QString> getExistingDirectory(QWidget* owner, const QString& title) override;
    bool print(QWidget* owner) override;
    bool pageSetup(QWidget* owner) override;

private:
    std::function<bool()> printerAvailable_;
};
