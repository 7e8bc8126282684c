// The widget tree of the main window: every control at its designed place and size.
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "timeline/TimeText.h"
#include "editor/AppIdentity.h"
#include "editor/EditorSession.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelinePanel.h"
#include "platform/Language.h"
#include "platform/SkinPicture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

// The path of a main window picture in the program's language: "<name>_<lang>.png" where the
// picture carries words drawn in that language, "<name>.png" (English) otherwise.
QString mainPicturePath(const QString& name)
{
    return localizedFile(QStringLiteral(":/skin/main/") + name + QStringLiteral(".png"), QLocale());
}

// A main window picture for a screen of `dpr` device pixels per logical pixel.
QPixmap skinPicture(const QString& name, qreal dpr)
{
    return skinPixmap(mainPicturePath(name), dpr);
}

// A picture store: never visible, it only carries artwork for the hover and pressed looks.
ImageControl* store(QWidget* parent, const QString& picture, int index = -1)
{
    auto* c = new ImageControl(parent, index);
    c->setPicture(skinPicture(picture, parent->devicePixelRatioF()));
    c->setGeometry(QRect(QPoint(-2000, -2000), c->picture().deviceIndependentSize().toSize()));
    c->hide();
    return c;
}

// Panel buttons, left and top in twips as designed (37 x 32 pixels each). Index 3 lies far
// above the window and is never seen.
constexpr int kPanelTwips[8][2] = {{360, 970}, {990, 970}, {1920, 970}, {2240, -5970},
                                   {2560, 975}, {3445, 975}, {4150, 975}, {4780, 975}};
constexpr QRect kMenuRects[4] = {{18, 42, 48, 18}, {71, 42, 56, 18}, {132, 42, 68, 18}, {206, 42, 62, 18}};

// The width of a selection time cell: room for "00:00:12.345" in the narrow time face, and a
// pixel between neighbours (their centres are 65 px apart).
constexpr int kTimeCellWidth = 64;

int twipsToPx(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

}  // namespace

void frmMain::design(QWidget* w, const QString& name, const QRect& r, double fontPoints, bool scaleSize)
{
    w->setObjectName(name);
    w->setGeometry(r);
    if (fontPoints > 0) {
        QFont f = w->font();
        f.setPointSizeF(fontPoints);
        w->setFont(f);
    }
    designed_.insert(w, {r, fontPoints, scaleSize});
}

void frmMain::buildControls()
{
    imgExit = new ImageControl(this);
    design(imgExit, QStringLiteral("imgExit"), {729, 12, 22, 22});
    imgExit->setToolTip(tr("Exit"));
    imgMin = new ImageControl(this);
    design(imgMin, QStringLiteral("imgMin"), {704, 12, 22, 22});
    imgMin->setToolTip(tr("Minimize"));
    imgOpen = new ImageControl(this);
    design(imgOpen, QStringLiteral("imgOpen"), {146, 220, 31, 36});
    imgFeedback = new ImageControl(this);
    design(imgFeedback, QStringLiteral("imgFeedback"), {648, 538, 83, 17});
    imgFeedback->setToolTip(tr("Send Bug Report & Feedback to us"));
    const QPixmap cursorPicture = skinPicture(QStringLiteral("hand_cursor"), 1);  // one size for the system
    if (!cursorPicture.isNull()) {
        imgOpen->setCursor(QCursor(cursorPicture, 6, 0));
        imgFeedback->setCursor(QCursor(cursorPicture, 6, 0));
    }

    imgExitLight = store(this, QStringLiteral("exit_light"));
    imgExitLight->setObjectName(QStringLiteral("imgExitLight"));
    imgMinLight = store(this, QStringLiteral("min_light"));
    imgMinLight->setObjectName(QStringLiteral("imgMinLight"));
    imgGettingStartedLight = store(this, QStringLiteral("getting_started_light"));
    imgGettingStartedLight->setObjectName(QStringLiteral("imgGettingStartedLight"));
    for (int i = 0; i < 4; ++i) {
        imgMenu[i] = new ImageControl(this, i);
        design(imgMenu[i], QStringLiteral("imgMenu%1").arg(i), kMenuRects[i]);
        imgMenuData[i] = store(this, QStringLiteral("menu_light_%1").arg(i), i);
        imgMenuData[i]->setObjectName(QStringLiteral("imgMenuData%1").arg(i));
    }
    for (int i = 0; i < 8; ++i) {
        imgButton[i] = new ImageControl(this, i);
        design(imgButton[i], QStringLiteral("imgButton%1").arg(i), {twipsToPx(kPanelTwips[i][0]), twipsToPx(kPanelTwips[i][1]), 37, 32});
        imgButtonData[i] = store(this, QStringLiteral("button_light_%1").arg(i), i);
        imgButtonData[i]->setObjectName(QStringLiteral("imgButtonData%1").arg(i));
    }
    for (int i = 0; i < 7; ++i) {
        imgCtrlButton[i] = new ImageControl(this, i);
        design(imgCtrlButton[i], QStringLiteral("imgCtrlButton%1").arg(i), i < 6 ? QRect(20 + 44 * i, 483, 34, 32) : QRect(643, 483, 108, 32));
        imgCtrlButtonLight[i] = store(this, QStringLiteral("ctrl_light_%1").arg(i), i);
        imgCtrlButtonLight[i]->setObjectName(QStringLiteral("imgCtrlButtonLight%1").arg(i));
        imgCtrlButtonPress[i] = store(this, QStringLiteral("ctrl_press_%1").arg(i), i);
        imgCtrlButtonPress[i]->setObjectName(QStringLiteral("imgCtrlButtonPress%1").arg(i));
    }

    // Time texts use a narrow face: "00:00:00" must fit the designed 44-pixel cells.
    QFont timeFont;
    timeFont.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Tahoma")});
    auto label = [this, &timeFont](const char* name, const QString& text, const QRect& r, double points,
                                   Qt::Alignment align) {
        auto* l = new SkinLabel(text, this);
        if (text == QLatin1String("00:00:00"))
            l->setFont(timeFont);
        design(l, QString::fromLatin1(name), r, points);
        l->setAlignment(align);
        return l;
    };
    const Qt::Alignment centre = Qt::AlignCenter;
    lblTime = label("lblTime", QStringLiteral("00:00:00"), {301, 490, 75, 23}, 14.25, centre);
    // The selection's cells keep their designed centres (464, 529, 594) but are wider than the
    // designed 44 px, so that a time with milliseconds ("00:00:12.345") fits as well.
    auto cell = [](int designedLeft, int y) { return QRect(designedLeft + 22 - kTimeCellWidth / 2, y, kTimeCellWidth, 13); };
    lblSelBegin = label("lblSelBegin", QStringLiteral("00:00:00"), cell(442, 490), 8.25, centre);
    lblSelEnd = label("lblSelEnd", QStringLiteral("00:00:00"), cell(507, 490), 8.25, centre);
    lblSelLength = label("lblSelLength", QStringLiteral("00:00:00"), cell(572, 490), 8.25, centre);
    lblViewBegin = label("lblViewBegin", QStringLiteral("00:00:00"), cell(442, 514), 8.25, centre);
    lblViewEnd = label("lblViewEnd", QStringLiteral("00:00:00"), cell(507, 514), 8.25, centre);
    lblViewLength = label("lblViewLength", QStringLiteral("00:00:00"), cell(572, 514), 8.25, centre);
    lblTimeLeft = label("lblTimeLeft", tr("Start"), {14, 467, 40, 13}, 8.25, Qt::AlignLeft | Qt::AlignVCenter);
    lblTimeRight = label("lblTimeRight", tr("End"), {712, 467, 40, 13}, 8.25, Qt::AlignRight | Qt::AlignVCenter);
    lblFileName = new PathLabel(QCoreApplication::translate("EditorSession", kNoFileCaption), this);
    design(lblFileName, QStringLiteral("lblFileName"), {372, 76, 370, 16}, 8.25);
    lblFileName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblVersion = label("lblVersion", QString(), {96, 16, 87, 14}, 8.25, Qt::AlignLeft | Qt::AlignVCenter);
    // Wider than designed: the hints name their shortcuts ("Random Music Cutter (Ctrl+R)").
    lblText = label("lblText", QString(), {18, 538, 330, 14}, 8.25, Qt::AlignLeft | Qt::AlignVCenter);
    // Beside the feedback link, under Save: the effects a save will add.
    lblEffects = label("lblEffects", QString(), {392, 538, 250, 14}, 8.25, Qt::AlignRight | Qt::AlignVCenter);
    lblEffects->setCursor(Qt::PointingHandCursor);
    lblEffects->setToolTip(tr("Ring-tone effects of every save: click to change them"));
    QPalette white = lblVersion->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    lblVersion->setPalette(white);

    // The command field, written by the menus and read by the dispatcher; never shown.
    txtAction = new QLineEdit(QStringLiteral("Text1"), this);
    txtAction->setObjectName(QStringLiteral("txtAction"));
    txtAction->hide();
}

void frmMain::buildTimelinePanel()
{
    auto pictures = [](qreal dpr) {
        auto art = [dpr](const QString& name) { return skinImage(mainPicturePath(name), dpr); };
        return TimelineArt{art(QStringLiteral("timeline")),
                           art(QStringLiteral("playhead_top")), art(QStringLiteral("playhead_line")),
                           art(QStringLiteral("playhead_bottom")), art(QStringLiteral("sel1_top")),
                           art(QStringLiteral("sel1_line")), art(QStringLiteral("sel1_bottom")),
                           art(QStringLiteral("sel2_top")), art(QStringLiteral("sel2_line")),
                           art(QStringLiteral("sel2_bottom"))};
    };
    picOpened = new TimelinePanel(session_->model(), TimelinePanel::ArtSource(pictures), this);
    design(picOpened, QStringLiteral("picOpened"), {10, 104, 746, 360});
    picOpened->hide();
}

void frmMain::buildProgressPanels()
{
    auto bar = [](QWidget* parent, const QString& name, const QRect& r) {
        auto* c = new ImageControl(parent);
        c->setPicture(skinPicture(name, parent->devicePixelRatioF()));
        c->setStretch(false);
        c->setGeometry(r);
        return c;
    };
    auto percent = [](QWidget* parent, const QRect& r) {
        auto* l = new QLabel(QStringLiteral("0%"), parent);
        l->setGeometry(r);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont f(QStringLiteral("Tahoma"));
        f.setPointSizeF(8.25);
        f.setBold(true);
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(11, 77, 109));
        l->setPalette(pal);
        return l;
    };

    picPBBack = bar(this, QStringLiteral("decode_panel"), {0, 0, 0, 0});
    design(picPBBack, QStringLiteral("picPBBack"), {192, 250, 381, 64}, 0, true);
    imgPB = bar(picPBBack, QStringLiteral("decode_bar"), {0, 0, 0, 0});
    design(imgPB, QStringLiteral("imgPB"), {10, 30, 361, 14}, 0, true);
    lblPB = percent(picPBBack, {300, 8, 71, 16});
    lblPB->setObjectName(QStringLiteral("lblPB"));
    picPBBack->hide();

    picPro = bar(this, QStringLiteral("save_panel"), {0, 0, 0, 0});
    design(picPro, QStringLiteral("picPro"), {242, 262, 281, 44});
    imgPro = bar(picPro, QStringLiteral("save_bar"), {0, 0, 0, 0});
    design(imgPro, QStringLiteral("imgPro"), {0, 28, 281, 16}, 0, true);
    lblPro = percent(picPro, {200, 6, 76, 16});
    lblPro->setObjectName(QStringLiteral("lblPro"));
    picPro->hide();
}
