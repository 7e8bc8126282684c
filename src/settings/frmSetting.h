#pragma once
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "settings/SettingsWindowDragger.h"

#include <QImage>
#include <QWidget>

class QComboBox;
class QLabel;
class SettingsPageTab;
class SkinButton;
struct FormDescription;

// The settings window: a frameless window shaped by the magenta of its background picture, with
// the skinned buttons cmdOK and cmbBack and the close glyph Image1, laid out by its form
// description, and two pages chosen by the tabs in its header: the after-save settings (the
// lists cmbOF and cmbRS; the page it opens on) and the ring-tone effects (cmbFadeIn, cmbFadeOut,
// cmbLoudness). OK stores every choice into the run-time values, the after-save ones into
// setup.ini and the effects into effects.ini beside it; Back and the glyph close without storing.
// Does not own the run-time values.
class frmSetting : public QWidget {
    Q_OBJECT
public:
    frmSetting(AfterSaveSettings& values, EffectsSettings& effects, QString setupIniPath, QWidget* parent = nullptr);
    ~frmSetting() override;

    QComboBox* cmbOF() const { return cmbOF_; }
    QComboBox* cmbRS() const { return cmbRS_; }
    QComboBox* cmbFadeIn() const { return cmbFadeIn_; }
    QComboBox* cmbFadeOut() const { return cmbFadeOut_; }
    QComboBox* cmbLoudness() const { return cmbLoudness_; }
    // The header's tab of page 0 (after saving) or 1 (ring-tone effects).
    SettingsPageTab* pageTab(int page) const { return page == 0 ? tabAfterSave_ : tabEffects_; }
    int page() const { return page_; }
    // Shows page 0 or 1: its picture and its lists.
    void showPage(int page);
    SkinButton* cmdOK() const { return cmdOK_; }
    SkinButton* cmbBack() const { return cmbBack_; }
    QLabel* Image1() const { return Image1_; }
    // The picture of the page shown (its 1x picture, which also gives the window its shape).
    const QImage& background() const { return page_ == 0 ? background_ : effectsBackground_; }
    SettingsWindowDragger& dragger() { return dragger_; }

    // The visible shape of a picture: every pixel but the magenta (255, 0, 255) ones.
    static QRegion shapeFromColorKey(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window like Back, without storing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void applyForm(const FormDescription& form);
    void cmdOK_Click();
    void cmbBack_Click();
    void Image1_Click();
    // The picture of the page shown as painted at the window's device pixel ratio now: the
    // double-size picture on a dense screen when the form names one, else background().
    const QImage& paintedBackground();

    AfterSaveSettings& values_;
    EffectsSettings& effects_;
    QString setupIniPath_;
    QImage background_;
    QImage effectsBackground_;
    // Per page: the form's text for its picture, and that picture at paintedDpr_[page].
    QString pictureText_[2];
    QImage painted_[2];
    qreal paintedDpr_[2] = {0, 0};
    QComboBox* cmbOF_;
    QComboBox* cmbRS_;
    QComboBox* cmbFadeIn_;
    QComboBox* cmbFadeOut_;
    QComboBox* cmbLoudness_;
    SettingsPageTab* tabAfterSave_;
    SettingsPageTab* tabEffects_;
    int page_ = 0;
    SkinButton* cmdOK_;
    SkinButton* cmbBack_;
    QLabel* Image1_;
    SettingsWindowDragger dragger_;
};
