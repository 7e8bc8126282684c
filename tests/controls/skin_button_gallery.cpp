// A viewing aid, not a test: draws every button style in every state into one picture, and can
// show the settings window on the current display, so that a person can look at them.
//   skin_button_gallery <out.png>            styles x states (plain and custom colours)
//   skin_button_gallery --settings <secs> [page]   the settings window (page 0 or 1), open for that many seconds
#include "controls/SkinButton.h"
#include "controls/SkinToolTip.h"
#include "settings/frmSetting.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

QImage icon()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 150, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(4, 4, 24, 24));
    return img;
}

int gallery(const QString& out)
{
    const QStringList looks = {"normal", "hot", "pressed", "disabled", "focused", "focus+ShowFocus"};
    const int cellW = 150, cellH = 50, labelW = 90;
    QImage sheet(labelW + cellW * looks.size() * 2, 30 + cellH * 11, QImage::Format_RGB32);
    sheet.fill(QColor(236, 240, 243));
    QPainter p(&sheet);
    p.setFont(QFont("DejaVu Sans", 8));
    for (int i = 0; i < looks.size(); ++i) {
        p.drawText(QRect(labelW + i * cellW, 5, cellW, 20), Qt::AlignCenter, looks[i]);
        p.drawText(QRect(labelW + (i + looks.size()) * cellW, 5, cellW, 20), Qt::AlignCenter, looks[i] + " (custom)");
    }
    for (int style = 0; style <= 10; ++style) {
        p.drawText(QRect(5, 30 + style * cellH, labelW, cellH), Qt::AlignVCenter, QStringLiteral("Style %1").arg(style));
        for (int custom = 0; custom < 2; ++custom)
            for (int look = 0; look < looks.size(); ++look) {
                QWidget host;
                host.resize(cellW, cellH);
                SkinButton b("b", &host);
                b.setGeometry(5, 5, 127, 36);
                b.setNonThemeStyle(5);
                b.setStyle(style);
                b.setCaption(QStringLiteral("       O K"));
                b.setIcon(icon());
                b.setIconSize(24);
                b.setIconAlign(1);
                b.setIconVisible(true);
                b.setShowFocus(look == 5);
                if (custom) {
                    b.setUseCustomColors(true);
                    b.setBackColor(ButtonColor::fromRgb(58, 120, 160));
                    b.setHighlightColor(ButtonColor::fromRgb(30, 170, 170));
                    b.setFontColor(ButtonColor::fromRgb(255, 255, 255));
                    b.setFontHighlightColor(ButtonColor::fromRgb(255, 250, 220));
                }
                host.show();
                QApplication::processEvents();
                QEvent leave(QEvent::Leave);  // the pointer may rest on the new window
                QApplication::sendEvent(&b, &leave);
                QFocusEvent unfocus(QEvent::FocusOut);  // and the new window may give it the focus
                QApplication::sendEvent(&b, &unfocus);
                if (look == 1) {
                    QMouseEvent e(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                    QApplication::sendEvent(&b, &e);
                } else if (look == 2) {
                    QMouseEvent e(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(&b, &e);
                } else if (look == 3) {
                    b.setEnabled(false);
                } else if (look >= 4) {
                    QFocusEvent e(QEvent::FocusIn);
                    QApplication::sendEvent(&b, &e);
                }
                const QImage cell = host.grab().toImage();
                p.drawImage(labelW + (custom * looks.size() + look) * cellW, 30 + style * cellH, cell);
            }
    }
    p.end();
    return sheet.save(out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == "--settings") {
        AfterSaveSettings values;
        EffectsSettings effects{1000, 2000, -16};
        frmSetting w(values, effects, QStringLiteral("/tmp/gallery-setup.ini"));
        w.showPage(args.size() >= 4 ? args[3].toInt() : 0);  // --settings <seconds> [page]
        w.move(40, 40);
        w.show();
        QTimer::singleShot(args[2].toInt() * 1000, &app, &QApplication::quit);
        return app.exec();
    }
    if (args.size() >= 3 && args[1] == "--tooltip") {  // a balloon and a rectangular tip
        QWidget host;
        host.setGeometry(20, 20, 400, 200);
        SkinButton balloon("balloon", &host), plain("plain", &host);
        balloon.setGeometry(20, 20, 127, 36);
        plain.setGeometry(220, 20, 127, 36);
        for (SkinButton* b : {&balloon, &plain}) {
            b->setStyle(5);
            b->setToolTipText(QStringLiteral("Stores the two choices in setup.ini"));
            b->setToolTipTitle(QStringLiteral("Confirm"));
            b->setToolTipIcon(1);
        }
        balloon.setToolTipType(1);
        plain.setToolTipType(0);
        plain.setToolTipBackColor(ButtonColor::fromRgb(230, 245, 247));
        plain.setToolTipForeColor(ButtonColor::fromRgb(16, 48, 82));
        host.show();
        QTimer::singleShot(1200, &host, [&] {
            for (SkinButton* b : {&balloon, &plain}) {
                QMouseEvent e(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(b, &e);
            }
            balloon.toolTipWindow()->popUp(balloon.mapToGlobal(QPoint(30, 40)));
        });
        QTimer::singleShot(1500, &host, [&] {
            for (SkinButton* b : {&balloon, &plain})
                if (SkinToolTip* t = b->toolTipWindow())
                    qInfo("tip visible %d at %d,%d %dx%d", t->isVisible(), t->x(), t->y(), t->width(), t->height());
        });
        QTimer::singleShot(args[2].toInt() * 1000, &app, &QApplication::quit);
        return app.exec();
    }
    if (args.size() != 2)
        return 2;
    return gallery(args[1]);
}
