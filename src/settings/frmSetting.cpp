#include "settings/frmSetting.h"

#include "settings/SettingsAccessibility.h"
#include "settings/SettingsPageTab.h"

#include "platform/Language.h"
#include "platform/SkinPicture.h"
#include "platform/SkinShape.h"

#include "controls/FormDescription.h"
#include "controls/SkinButton.h"
#include "controls/SkinButtonPersistence.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

// The settings pictures live in a static library: register them before the first use.
static void initSettingsResources() { Q_INIT_RESOURCE(settings); }

namespace {

const QString kFormPath = QStringLiteral(":/settings/frmSetting.form");

// The picture a form's text names, for a screen of `dpr` device pixels per logical pixel: a
// named picture's double-size file on a dense screen (see skinImage()), a picture embedded in
// the text as it is.
QImage pictureForDensity(const QString& text, qreal dpr)
{
    if (text.startsWith(QLatin1String("png:")))
        return pictureFromFormText(text);
    return skinImage(text, dpr);
}

// The form's picture in the program's language: a named picture's translation where one exists
// ("background_de.png" beside "background.png"), the picture itself otherwise.
QString localizedPicture(const QString& text)
{
    return text.startsWith(QLatin1String("png:")) ? text : localizedFile(text, QLocale());
}

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

QString fadeText(int ms)
{
    return ms == 0 ? QCoreApplication::translate("frmSetting", "Off")
                   : QCoreApplication::translate("frmSetting", "%1 s").arg(QString::number(ms / 1000.0));
}

QString loudnessText(int lufs)
{
    switch (lufs) {
    case 0: return QCoreApplication::translate("frmSetting", "Off");
    case -16: return QCoreApplication::translate("frmSetting", "−16 LUFS, for phones");
    case -14: return QCoreApplication::translate("frmSetting", "−14 LUFS, as loud as streaming");
    case -23: return QCoreApplication::translate("frmSetting", "−23 LUFS, EBU R 128");
    default: return QCoreApplication::translate("frmSetting", "%1 LUFS").arg(lufs);
    }
}

// The button captions of the form, for the translation tools; the form pads them with blanks
// on the left to keep clear of the icon.
[[maybe_unused]] const char* const kCaptions[] = {QT_TRANSLATE_NOOP("frmSetting", "O K"),
                                                  QT_TRANSLATE_NOOP("frmSetting", "Back")};

// A caption of the form in the user's language, its leading blanks kept.
QString translatedCaption(const QString& caption)
{
    const QString text = caption.trimmed();
    const qsizetype lead = caption.indexOf(text);
    return caption.left(lead) + QCoreApplication::translate("frmSetting", text.toUtf8().constData());
}

// Fills a list with the texts of `choices`, each entry carrying its value.
void fill(QComboBox* list, const QList<int>& choices, QString (*text)(int))
{
    for (int v : choices)
        list->addItem(text(v), v);
}

// The entry of `value`; a value that names no entry leaves the list without a selection.
void select(QComboBox* list, int value) { list->setCurrentIndex(list->findData(value)); }

// The value of the chosen entry; off (0) when none is chosen.
int chosen(const QComboBox* list) { return list->currentIndex() < 0 ? 0 : list->currentData().toInt(); }

}  // namespace

frmSetting::frmSetting(AfterSaveSettings& values, EffectsSettings& effects, QString setupIniPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), values_(values), effects_(effects),
      setupIniPath_(std::move(setupIniPath)), cmbOF_(new QComboBox(this)), cmbRS_(new QComboBox(this)),
      cmbFadeIn_(new QComboBox(this)), cmbFadeOut_(new QComboBox(this)), cmbLoudness_(new QComboBox(this)),
      tabAfterSave_(new SettingsPageTab(QStringLiteral("tabAfterSave"), this)),
      tabEffects_(new SettingsPageTab(QStringLiteral("tabEffects"), this)),
      cmdOK_(new SkinButton(QStringLiteral("cmdOK"), this)), cmbBack_(new SkinButton(QStringLiteral("cmbBack"), this)),
      Image1_(new QLabel(this)), dragger_(*this)
{
    initSettingsResources();
    setObjectName(QStringLiteral("frmSetting"));
    setWindowTitle(tr("Settings"));
    setPalette(lightPalette(palette()));
    cmbOF_->setObjectName(QStringLiteral("cmbOF"));
    cmbRS_->setObjectName(QStringLiteral("cmbRS"));
    cmbFadeIn_->setObjectName(QStringLiteral("cmbFadeIn"));
    cmbFadeOut_->setObjectName(QStringLiteral("cmbFadeOut"));
    cmbLoudness_->setObjectName(QStringLiteral("cmbLoudness"));
    Image1_->setObjectName(QStringLiteral("Image1"));
    cmbOF_->addItems({tr("Open the folder"), tr("Do Nothing")});
    cmbRS_->addItems({tr("Yes"), tr("No")});
    fill(cmbFadeIn_, fadeChoicesMs(), fadeText);
    fill(cmbFadeOut_, fadeChoicesMs(), fadeText);
    fill(cmbLoudness_, loudnessChoicesLufs(), loudnessText);
    tabAfterSave_->setToolTip(tr("What happens after saving a cut"));
    tabEffects_->setToolTip(tr("Fades and loudness of the ring tone"));
    connect(tabAfterSave_, &QAbstractButton::clicked, this, [this] { showPage(0); });
    connect(tabEffects_, &QAbstractButton::clicked, this, [this] { showPage(1); });
    Image1_->installEventFilter(this);
    Image1_->setCursor(Qt::PointingHandCursor);
    connect(cmdOK_, &SkinButton::Click, this, &frmSetting::cmdOK_Click);
    connect(cmbBack_, &SkinButton::Click, this, &frmSetting::cmbBack_Click);
    Form_Load();
    describeSettingsWindow(*this);
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
    const auto selectIndex = [](QComboBox* list, int index) {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    };
    selectIndex(cmbOF_, values_.openFolderAfterSave);
    selectIndex(cmbRS_, values_.playSoundAfterSave);
    select(cmbFadeIn_, effects_.fadeInMs);
    select(cmbFadeOut_, effects_.fadeOutMs);
    select(cmbLoudness_, effects_.loudnessLufs);
    showPage(0);
}

void frmSetting::showPage(int page)
{
    page_ = page == 1 ? 1 : 0;
    for (QComboBox* list : {cmbOF_, cmbRS_})
        list->setVisible(page_ == 0);
    for (QComboBox* list : {cmbFadeIn_, cmbFadeOut_, cmbLoudness_})
        list->setVisible(page_ == 1);
    pageTab(page_)->setChecked(true);
    update();
}

void frmSetting::applyForm(const FormDescription& form)
{
    if (const FormControl* self = form.find(objectName())) {
        const QRect r = geometryOf(*self, QRect(0, 0, 418, 251));
        setFixedSize(r.size());
        if (const auto picture = self->value(QStringLiteral("picture"))) {
            pictureText_[0] = localizedPicture(*picture);
            background_ = pictureFromFormText(pictureText_[0]).convertToFormat(QImage::Format_RGB32);
        }
        if (const auto picture = self->value(QStringLiteral("effectspicture"))) {
            pictureText_[1] = localizedPicture(*picture);
            effectsBackground_ = pictureFromFormText(pictureText_[1]).convertToFormat(QImage::Format_RGB32);
        }
    }
    for (SettingsPageTab* tab : {tabAfterSave_, tabEffects_})
        if (const FormControl* c = form.find(tab->objectName()))
            tab->setGeometry(geometryOf(*c, tab->geometry()));
    for (QComboBox* list : {cmbOF_, cmbRS_, cmbFadeIn_, cmbFadeOut_, cmbLoudness_})
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
            button->setCaption(translatedCaption(button->Caption()));
            button->setFont(designedFont(button->Font(), *this));
        }
    if (const FormControl* c = form.find(Image1_->objectName())) {
        Image1_->setGeometry(geometryOf(*c, Image1_->geometry()));
        if (const auto picture = c->value(QStringLiteral("picture")))
            Image1_->setPixmap(QPixmap::fromImage(pictureForDensity(*picture, devicePixelRatioF())));
    }
}

void frmSetting::cmdOK_Click()
{
    values_.openFolderAfterSave = static_cast<std::int16_t>(cmbOF_->currentIndex());
    values_.playSoundAfterSave = static_cast<std::int16_t>(cmbRS_->currentIndex());
    storeSetupIni(setupIniPath_, values_);  // a file that cannot be written changes nothing here
    effects_.fadeInMs = chosen(cmbFadeIn_);
    effects_.fadeOutMs = chosen(cmbFadeOut_);
    effects_.loudnessLufs = chosen(cmbLoudness_);
    storeEffectsIni(effectsIniBeside(setupIniPath_), effects_);
    close();
}

void frmSetting::cmbBack_Click() { close(); }

void frmSetting::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmbBack_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSetting::Image1_Click() { close(); }

const QImage& frmSetting::paintedBackground()
{
    const qreal dpr = devicePixelRatioF();
    if (pictureText_[page_].isEmpty() || paintedDpr_[page_] == dpr)
        return pictureText_[page_].isEmpty() ? background() : painted_[page_];
    QImage dense = pictureForDensity(pictureText_[page_], dpr).convertToFormat(QImage::Format_RGB32);
    // Only a picture that covers the 1x one exactly may stand in for it.
    painted_[page_] = dense.deviceIndependentSize() == QSizeF(background().size()) ? dense : background();
    paintedDpr_[page_] = dpr;
    return painted_[page_];
}

void frmSetting::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background().isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(0, 0, paintedBackground());
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
