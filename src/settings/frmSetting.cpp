#include "settings/frmSetting.h"

#include "platform/SkinShape.h"

#include "controls/FormDescription.h"
#include "controls/SkinButton.h"
#include "controls/SkinButtonPersistence.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

// The settings pictures live in a static library: register them before the first use.
static void initSettingsResources() { Q_INIT_RESOURCE(settings); }

namespace {

const QString kFormPath = QStringLiteral(":/settings/frmSetting.form");

QRect geometryOf(const FormControl& c, const QRect& fallback)
{
    const auto num = [&](const char* key, int def) {
        const auto v = c.value(QString::fromLatin1(key));
        return v ? intFromFormText(*v).value_or(def) : def;
    };
    return QRect(num("left", fallback.x()), num("top", fallback.y()), num("width", fallback.width()),
                 num("height", fallback.height()));
}

// Fonts are given in points for 96 dots per inch; keep their designed pixel size on other screens.
QFont designedFont(QFont font, const QWidget& on)
{
    const int dpi = on.logicalDpiX();
    if (dpi > 0 && dpi != 96 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 96.0 / dpi);
    return font;
}

// The artwork is light whatever the desktop's colour scheme: the lists and the button captions
// take matching light colours, so that a dark desktop theme cannot put light text on them.
QPalette lightPalette(QPalette p)
{
    const QColor ink(28, 52, 70);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, QColor(244, 247, 249));
        p.setColor(group, QPalette::WindowText, ink);
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::AlternateBase, QColor(236, 241, 245));
        p.setColor(group, QPalette::Text, ink);
        p.setColor(group, QPalette::Button, QColor(240, 243, 246));
        p.setColor(group, QPalette::ButtonText, ink);
        p.setColor(group, QPalette::Highlight, QColor(22, 128, 138));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(group, QPalette::ToolTipText, ink);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, QColor(244, 247, 249));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(244, 247, 249));
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(240, 243, 246));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 160, 168));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 160, 168));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 160, 168));
    return p;
}

}  // namespace

frmSetting::frmSetting(AfterSaveSettings& values, QString setupIniPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), values_(values), setupIniPath_(std::move(setupIniPath)),
      cmbOF_(new QComboBox(this)), cmbRS_(new QComboBox(this)), cmdOK_(new SkinButton(QStringLiteral("cmdOK"), this)),
      cmbBack_(new SkinButton(QStringLiteral("cmbBack"), this)), Image1_(new QLabel(this)), dragger_(*this)
{
    initSettingsResources();
    setObjectName(QStringLiteral("frmSetting"));
    setWindowTitle(tr("Settings"));
    setPalette(lightPalette(palette()));
    cmbOF_->setObjectName(QStringLiteral("cmbOF"));
    cmbRS_->setObjectName(QStringLiteral("cmbRS"));
    Image1_->setObjectName(QStringLiteral("Image1"));
    cmbOF_->addItems({QStringLiteral("Open the folder"), QStringLiteral("Do Nothing")});
    cmbRS_->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    Image1_->installEventFilter(this);
    Image1_->setCursor(Qt::PointingHandCursor);
    connect(cmdOK_, &SkinButton::Click, this, &frmSetting::cmdOK_Click);
    connect(cmbBack_, &SkinButton::Click, this, &frmSetting::cmbBack_Click);
    Form_Load();
}

frmSetting::~frmSetting() = default;

QRegion frmSetting::shapeFromColorKey(const QImage& picture)
{
    return skinRegion(picture);
}

void frmSetting::Form_Load()
{
    QFile file(kFormPath);
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QString error;
    if (const auto form = parseFormDescription(text, &error))
        applyForm(*form);
    else
        qWarning("frmSetting: form description unreadable: %s", qPrintable(error));

    // The colour key makes the magenta outside transparent to sight and to the mouse.
    if (!background_.isNull())
        setMask(shapeFromColorKey(background_));
    setWindowOpacity(250.0 / 255.0);

    // A value that names no entry leaves that list without a selection.
    const auto select = [](QComboBox* list, int index) {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    };
    select(cmbOF_, values_.openFolderAfterSave);
    select(cmbRS_, values_.playSoundAfterSave);
}

void frmSetting::applyForm(const FormDescription& form)
{
    if (const FormControl* self = form.find(objectName())) {
        const QRect r = geometryOf(*self, QRect(0, 0, 418, 251));
        setFixedSize(r.size());
        if (const auto picture = self->value(QStringLiteral("picture")))
            background_ = pictureFromFormText(*picture).convertToFormat(QImage::Format_RGB32);
    }
    for (QComboBox* list : {cmbOF_, cmbRS_})
        if (const FormControl* c = form.find(list->objectName())) {
            list->setGeometry(geometryOf(*c, list->geometry()));
            if (const auto f = c->value(QStringLiteral("font")))
                if (const auto font = fontFromFormText(*f))
                    list->setFont(designedFont(*font, *this));
        }
    for (SkinButton* button : {cmdOK_, cmbBack_})
        if (const FormControl* c = form.find(button->objectName())) {
            button->setGeometry(geometryOf(*c, button->geometry()));
            button->readProperties(*c);
            button->setFont(designedFont(button->Font(), *this));
        }
    if (const FormControl* c = form.find(Image1_->objectName())) {
        Image1_->setGeometry(geometryOf(*c, Image1_->geometry()));
        if (const auto picture = c->value(QStringLiteral("picture")))
            Image1_->setPixmap(QPixmap::fromImage(pictureFromFormText(*picture)));
    }
}

void frmSetting::cmdOK_Click()
{
    values_.openFolderAfterSave = static_cast<std::int16_t>(cmbOF_->currentIndex());
    values_.playSoundAfterSave = static_cast<std::int16_t>(cmbRS_->currentIndex());
    storeSetupIni(setupIniPath_, values_);  // a file that cannot be written changes nothing here
    close();
}

void frmSetting::cmbBack_Click() { close(); }

void frmSetting::Image1_Click() { close(); }

void frmSetting::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(0, 0, background_);
}

void frmSetting::mousePressEvent(QMouseEvent* event)
{
    // Only the bare background drags; the controls keep their presses and moves.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        dragger_.pressOnBackground(event->globalPosition().toPoint());
    event->accept();
}

void frmSetting::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        dragger_.moveWithButton(event->globalPosition().toPoint());
    event->accept();
}

void frmSetting::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragger_.release();
    event->accept();
}

bool frmSetting::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Image1_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return true;  // the glyph is no drag handle
    case QEvent::MouseButtonRelease: {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Image1_->rect().contains(me->position().toPoint()))
            Image1_Click();
        return true;
    }
    default: return false;
    }
}
