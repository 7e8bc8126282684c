#include "app/frmMain.h"

#include "app/AppIdentity.h"
#include "app/GeometryScale.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/WidgetLabelSink.h"
#include "app/frmMenu.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/TempFolder.h"
#include "timeline/PlaybackController.h"
#include "timeline/TimelineInteraction.h"
#include "timeline/WaveformLoader.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/SelectionPreview.h"
#include "timeline/WidgetTimelineBoard.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {
void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}
}

frmMain::frmMain(const AppPaths& paths, const MainServices& services, QWidget* parent)
    : SkinnedWindow(parent), paths_(paths), services_(services)
{
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(QIcon(QStringLiteral(":/skin/main/app_icon_256.png")));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(8.25);
    setFont(f);
    setSkin(QPixmap(QStringLiteral(":/skin/main/background.png")));
    if (skin().isNull())
        setFixedSize(765, 565);
    designed_.insert(this, {QRect(0, 0, width(), height()), 0, true});

    buildControls();
    buildTimelinePanel();
    buildProgressPanels();
    board_ = std::make_unique<WidgetTimelineBoard>(std::array<QWidget*, kTimelinePicCount>{
        imgTopPoint, imgLine, imgBottomPoint, imgSelectTop1, imgSelectLine1, imgSelectBottom1,
        imgSelectTop2, imgSelectLine2, imgSelectBottom2});
    labelSink_ = std::make_unique<WidgetLabelSink>(std::array<QLabel*, 7>{
        lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength});
    playback_ = std::make_unique<PlaybackController>(
        state_, *services_.media, *board_, *labelSink_, paths_.tempWav, [] { QApplication::processEvents(); },
        [this](const QString& why) {
            services_.boxes->show(why, QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        });
    // With fades or loudness on, "Play selection" plays the selection as a save will write it.
    preview_ = std::make_unique<SelectionPreview>(*services_.boxes, paths_.coder(), paths_.tempWav, paths_.previewWav,
                                                  effects_);
    playback_->setSelectionSound([this](std::int32_t begin, std::int32_t end) { return preview_->prepare(begin, end); });
    interaction_ = std::make_unique<TimelineInteraction>(state_, *board_, *labelSink_, *playback_, [this](bool on) {
        if (on)
            Timer2.start();
        else
            Timer2.stop();
    });

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
    wireControls();
    wireFileRequests();

    waveform_ = new WaveformLoader(this);
    connect(waveform_, &WaveformLoader::ready, this, &frmMain::showWaveform);
    connect(this, &frmMain::fileDecoded, this, [this](const QString& wav) {
        imgWave->clearPicture();
        waveform_->request(wav, imgWave->width());
    });
    connect(this, &frmMain::fileClosed, this, [this] {
        waveform_->cancel();
        imgWave->clearPicture();
        preview_->discard();
    });
    // The poll runs with the window; it parks the playhead until a sound is open.
    Timer2.start();
}

frmMain::~frmMain()
{
    Timer2.stop();
}

void frmMain::Form_Load()
{
    state_.buttonHeld = kFalse;
    transparentColorKey_ = QColor(255, 0, 255);  // the skin's magenta shapes the window (setSkin)

    settings_ = AfterSaveSettings{};
    if (QFile::exists(paths_.setupIni()))
        settings_ = loadSetupIni(paths_.setupIni());
    effects_ = loadEffectsIni(paths_.effectsIni());

    state_.fileIsOpen = kFalse;
    state_.dragActive = kFalse;
    state_.playPaused = kFalse;

    objDOS = new ConsoleRunner(*services_.boxes, this);
    objDOS1 = new ConsoleRunner(*services_.boxes, this);
    connect(objDOS, &ConsoleRunner::ReceiveOutputs, this, &frmMain::decodeOutput);
    connect(objDOS, &ConsoleRunner::CommandOver, this, &frmMain::decodeOver);
    connect(objDOS1, &ConsoleRunner::ReceiveOutputs, this, &frmMain::saveOutput);
    connect(objDOS1, &ConsoleRunner::CommandOver, this, &frmMain::saveOver);

    state_.playingSelection = kFalse;
    state_.sourceDurationSeconds = 0;
    state_.selBeginSeconds = 0;
    state_.selEndSeconds = 0;

    commonDialogs_ = std::make_unique<CCommonDialogs>(*services_.dialogs, paths_.appDir);
    commonDialogs_->Init(this);

    placeInitialMarkers(*board_);

    // A folder that cannot be made private is left alone: decoding then fails with a message.
    ensurePrivateFolder(paths_.tempDir);

    for (SkinLabel* l : {lblTime, lblSelBegin, lblSelEnd, lblSelLength, lblViewBegin, lblViewEnd, lblViewLength, lblText})
        setTextColour(l, QColor(11, 77, 109));
    for (SkinLabel* l : {lblTimeLeft, lblFileName, lblTimeRight})
        setTextColour(l, QColor(71, 99, 113));

    lblVersion->setText(QStringLiteral("- Ver %1.%2.%3")
                            .arg(TUNESNIP_VERSION_MAJOR)
                            .arg(TUNESNIP_VERSION_MINOR)
                            .arg(TUNESNIP_VERSION_PATCH));

    QApplication::processEvents();

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const float units = twipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0);
    convertGeometry(units, units);
}

void frmMain::showWaveform(const WaveformPeaks& peaks)
{
    const QImage image = renderWaveform(peaks, imgWave->size(), {QColor(38, 150, 170, 190), QColor(14, 96, 120)});
    imgWave->setPicture(QPixmap::fromImage(image));
}

void frmMain::convertGeometry(float unitsX, float unitsY)
{
    for (auto it = designed_.cbegin(); it != designed_.cend(); ++it) {
        QWidget* w = it.key();
        const Designed& d = it.value();
        const QRect r = convertDesignRect(d.rect, unitsX, unitsY, d.scaleSize);
        if (w == this) {
            if (skin().isNull())
                setFixedSize(r.size());
            continue;
        }
        w->setGeometry(r);
        if (d.fontPoints > 0) {
            QFont f = w->font();
            f.setPointSizeF(convertFontPoints(d.fontPoints, unitsX));
            w->setFont(f);
        }
    }
}
