#pragma once
#include "app/SkinLabel.h"

// The path box: shows a file's path whole when it fits, else elided in the middle, so that both
// the start of the folder and the file's name stay readable; the tool tip holds the whole path.
class PathLabel : public SkinLabel {
    Q_OBJECT
public:
    explicit PathLabel(const QString& path, QWidget* parent = nullptr);

    // The path (or caption) as given, not elided.
    const QString& path() const { return path_; }
    void setPath(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showElided();

    QString path_;
};
