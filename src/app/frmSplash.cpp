#include "app/frmSplash.h"

#include "editor/AppIdentity.h"
#include "platform/Language.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
QLabel* makeLabel(QWidget* parent, const QRect& r, const QString& text, const QColor& colour, double points,
                  Qt::Alignment align, bool underline = false)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(points);
    f.setUnderline(underline);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setAlignment(align);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}
}

frmSplash::frmSplash(std::function<void()> showMain, QWidget* parent)
    : SkinnedWindow(parent, Qt::WindowStaysOnTopHint | Qt::SplashScreen), showMain_(std::move(showMain))
{
    setWindowTitle(QString::fromLatin1(kProductName));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSizeF(9);
    setFont(f);
    setSkin(localizedFile(QStringLiteral(":/skin/splash/splash.png"), QLocale()));  // its tagline in the program's language
    if (skin().isNull())
        setFixedSize(400, 200);

    Label1 = makeLabel(this, {236, 94, 54, 14}, tr("Loading..."), Qt::white, 9, Qt::AlignCenter);
    Label2 = makeLabel(this, {138, 178, 115, 12}, QString::fromLatin1(kWebAddress), QColor(0, 0, 255), 7.5,
                       Qt::AlignLeft | Qt::AlignVCenter, true);
    Label3 = makeLabel(this, {116, 164, 164, 14}, QString::fromUtf8(kOwnershipLine), QColor(64, 64, 64), 9,
                       Qt::AlignCenter);
    // Texts in the substitute face run wider than the designed boxes; let the boxes grow around
    // their centres instead of cutting the texts.
    Label1->setGeometry(196, 94, 134, 14);
    Label3->setGeometry(88, 164, 220, 14);
    Label2->setGeometry(138, 178, 130, 12);  // left-aligned: it grows to the right

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    tickCounter_ = 0;
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
}

void frmSplash::Timer1_Timer()
{
    ++tickCounter_;
    if (tickCounter_ == 1) {
        Label1->setText(tr("Graphics..."));
    } else if (tickCounter_ == 2) {
        Label1->setText(tr("Components..."));
    } else {
        Timer1.stop();
        hide();
        QApplication::processEvents();
        if (showMain_)
            showMain_();
        close();
    }
}
