#include "app/frmMain.h"

#include "app/AppIdentity.h"
#include "app/GeometryScale.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/WidgetLabelSink.h"
#include "platform/TempFolder.h"
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

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    state_.buttonHeld = kFalse;
    transparentColorKey_ = QColor(255, 0, 255);  // the skin's magenta shapes the window (setSkin)

    settings_ = AfterSaveSettings{};
    if (QFile::exists(paths_.setupIni()))
        settings_ = loadSetupIni(paths_.setupIni());

    state_.fileIsOpen = kFalse;
    state_.dragActive = kFalse;
    state_.playPaused = kFalse;

    state_.playingSelection = kFalse;
    state_.sourceDurationSeconds = 0;
    state_.selBeginSeconds = 0;
    state_.selEndSeconds = 0;

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
