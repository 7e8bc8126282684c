#pragma once
#include "settings/SetupIni.h"
#include "settings/SettingsWindowDragger.h"

#include <QImage>
#include <QWidget>

class QComboBox;
class QLabel;
class SkinButton;
struct FormDescription;

// The settings window: a frameless window shaped by the magenta of its background picture, with
// the lists cmbOF and cmbRS, the skinned buttons cmdOK and cmbBack and the close glyph Image1,
// laid out by its form description. OK stores the two choices into the run-time values and
// setup.ini; Back and the glyph close without storing. Does not own the run-time values.
class frmSetting : public QWidget {
    Q_OBJECT
public:
    frmSetting(AfterSaveSettings& values, QString setupIniPath, QWidget* parent = nullptr);
    ~frmSetting() override;

    QComboBox* cmbOF() const { return cmbOF_; }
    QComboBox* cmbRS() const { return cmbRS_; }
    SkinButton* cmdOK() const { return cmdOK_; }
    SkinButton* cmbBack() const { return cmbBack_; }
    QLabel* Image1() const { return Image1_; }
    const QImage& background() const { return background_; }
    SettingsWindowDragger& dragger() { return dragger_; }

    // The visible shape of a picture: every pixel but the magenta (255, 0, 255) ones.
    static QRegion shapeFromColorKey(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void applyForm(const FormDescription& form);
    void cmdOK_Click();
    void cmbBack_Click();
    void Image1_Click();

    AfterSaveSettings& values_;
    QString setupIniPath_;
    QImage background_;
    QComboBox* cmbOF_;
    QComboBox* cmbRS_;
    SkinButton* cmdOK_;
    SkinButton* cmbBack_;
    QLabel* Image1_;
    SettingsWindowDragger dragger_;
};
