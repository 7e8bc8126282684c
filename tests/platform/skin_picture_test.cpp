// The skin's picture loader: the double-size picture on a dense screen, the 1x picture
// otherwise or when there is no readable double; and the compiled skin, whose double-size
// pictures are twice their 1x pictures, drawn anew, with the same magenta shape.
#include "platform/SkinPicture.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writePicture(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

bool isMagenta(QRgb c)
{
    return (c & 0xffffff) == 0xff00ff;
}

// Every 2 x 2 block of the picture holds a single colour: an enlarged copy, not a new drawing.
bool onlyEnlarged(const QImage& dense)
{
    for (int y = 0; y + 1 < dense.height(); y += 2)
        for (int x = 0; x + 1 < dense.width(); x += 2) {
            const QRgb c = dense.pixel(x, y);
            if (dense.pixel(x + 1, y) != c || dense.pixel(x, y + 1) != c || dense.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

bool singleColour(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

}  // namespace

TEST(SkinPicture, NamesTheDoubleSizePictureBesideIt)
{
    EXPECT_EQ(doubleSizePicturePath(":/skin/main/background.png"), ":/skin/main/background@2x.png");
    EXPECT_EQ(doubleSizePicturePath("/tmp/v1.2/handle.tar.png"), "/tmp/v1.2/handle.tar@2x.png");
    EXPECT_EQ(doubleSizePicturePath("/tmp/v1.2/handle"), "/tmp/v1.2/handle@2x");
    EXPECT_EQ(doubleSizePicturePath("/tmp/.handle"), "/tmp/.handle@2x");
}

TEST(SkinPicture, PicksTheDoubleSizePictureOnDenseScreensAndFallsBackToThe1xOne)
{
    QTemporaryDir dir;
    const QString both = writePicture(dir, "both.png", {4, 3}, Qt::red);
    writePicture(dir, "both@2x.png", {8, 6}, Qt::blue);
    const QString single = writePicture(dir, "single.png", {5, 5}, Qt::green);
    const QString broken = writePicture(dir, "broken.png", {2, 2}, Qt::yellow);
    QFile garbage(dir.filePath("broken@2x.png"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();

    const QImage one = skinImage(both, 1);
    EXPECT_EQ(one.size(), QSize(4, 3));
    EXPECT_EQ(one.devicePixelRatio(), 1.0);
    EXPECT_EQ(one.pixelColor(0, 0), QColor(Qt::red));
    for (const qreal dpr : {2.0, 1.25, 3.0}) {
        const QImage dense = skinImage(both, dpr);
        EXPECT_EQ(dense.size(), QSize(8, 6)) << dpr;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << dpr;
        EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(4, 3)) << dpr;
        EXPECT_EQ(dense.pixelColor(7, 5), QColor(Qt::blue)) << dpr;
    }
    const QImage fallback = skinImage(single, 2);
    EXPECT_EQ(fallback.size(), QSize(5, 5));
    EXPECT_EQ(fallback.devicePixelRatio(), 1.0);
    EXPECT_EQ(skinImage(broken, 2).pixelColor(1, 1), QColor(Qt::yellow));
    EXPECT_TRUE(skinImage(dir.filePath("missing.png"), 2).isNull());
    EXPECT_TRUE(skinImage(dir.filePath("missing.png"), 1).isNull());

    const QPixmap pixmap = skinPixmap(both, 2);
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(4, 3));
    EXPECT_EQ(pixmap.toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(skinPixmap(both, 1).toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST(SkinPicture, TheCompiledSkinShowsEveryPictureAtTwiceTheSizeDrawnAnew)
{
    Q_INIT_RESOURCE(skin);
    Q_INIT_RESOURCE(settings);
    // Pictures the program never shows at a density of their own: the cursor and window icons
    // go to the system at their own sizes, a panel highlight has no place, the settings
    // buttons scale their icons into their faces.
    const QStringList oneSizeOnly = {":/skin/main/hand_cursor.png", ":/skin/main/app_icon.png",
                                     ":/skin/main/app_icon_256.png", ":/skin/main/button_light_3.png",
                                     ":/settings/ok.png", ":/settings/back.png"};
    QStringList windows = {":/skin/main/background.png", ":/skin/splash/splash.png",
                           ":/settings/background.png", ":/settings/effects.png"};
    // The settings pages are drawn in every language the program speaks as well.
    for (const char* language : {"de", "fr", "es", "pt_BR", "ru", "zh_CN"}) {
        for (const char* page : {"background", "effects"})
            windows << QStringLiteral(":/settings/%1_%2.png").arg(page, language);
        windows << QStringLiteral(":/skin/main/background_%1.png").arg(language)
                << QStringLiteral(":/skin/splash/splash_%1.png").arg(language);
    }
    int checked = 0;
    for (const QString& root : {QStringLiteral(":/skin"), QStringLiteral(":/settings")}) {
        QDirIterator it(root, {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith("@2x.png") || oneSizeOnly.contains(path))
                continue;
            const QImage one(path);
            const QImage two(doubleSizePicturePath(path));
            ASSERT_FALSE(one.isNull()) << path.toStdString();
            ASSERT_FALSE(two.isNull()) << path.toStdString() << ": no double-size picture";
            ASSERT_EQ(two.size(), one.size() * 2) << path.toStdString();
            EXPECT_TRUE(singleColour(one) || !onlyEnlarged(two)) << path.toStdString() << " is only enlarged";
            ++checked;
            if (!windows.contains(path))
                continue;
            // The window's mask comes from the 1x picture: the double one keys the same pixels.
            for (int y = 0; y < two.height(); ++y)
                for (int x = 0; x < two.width(); ++x)
                    ASSERT_EQ(isMagenta(two.pixel(x, y)), isMagenta(one.pixel(x / 2, y / 2)))
                        << path.toStdString() << " " << x << "," << y;
        }
    }
    // 43 of the main window, the splash, 11 worded pictures of the main window and the splash in
    // each of six languages, the two settings pages in seven languages and its glyph
    EXPECT_EQ(checked, 125);
    for (const QString& window : windows)
        EXPECT_TRUE(QFile::exists(window)) << window.toStdString();
}

TEST(SkinPicture, TheWordedPicturesComeInEveryLanguageAtTheirEnglishSize)
{
    Q_INIT_RESOURCE(skin);
    // The pictures whose words are drawn in them: the program picks "<name>_<lang>.png" and
    // puts it where the English one goes, so it must have the same size and shape.
    const QStringList worded = {"main/background", "main/menu_light_0", "main/menu_light_1", "main/menu_light_2",
                                "main/menu_light_3", "main/ctrl_light_6", "main/ctrl_press_6", "main/timeline",
                                "main/decode_panel", "main/save_panel", "splash/splash"};
    for (const char* language : {"de", "fr", "es", "pt_BR", "ru", "zh_CN"})
        for (const QString& name : worded) {
            const QString english = QStringLiteral(":/skin/%1.png").arg(name);
            const QString translated = QStringLiteral(":/skin/%1_%2.png").arg(name, language);
            const QImage one(english), other(translated);
            ASSERT_FALSE(other.isNull()) << translated.toStdString();
            ASSERT_EQ(other.size(), one.size()) << translated.toStdString();
            EXPECT_NE(other, one) << translated.toStdString() << " shows the English words";
            for (int y = 0; y < one.height(); ++y)
                for (int x = 0; x < one.width(); ++x)
                    ASSERT_EQ(isMagenta(other.pixel(x, y)), isMagenta(one.pixel(x, y)))
                        << translated.toStdString() << " " << x << "," << y;
        }
}
