#include "controls/SkinButtonPersistence.h"

#include <gtest/gtest.h>

namespace {
FormControl entry(std::initializer_list<QPair<QString, QString>> values)
{
    FormControl c{"SkinButton", "b", {}};
    for (const auto& kv : values)
        c.values << kv;
    return c;
}
SkinButtonFormContext context()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(9);
    return {QStringLiteral("from the container"), f};
}
QStringList keys(const QList<QPair<QString, QString>>& kv)
{
    QStringList k;
    for (const auto& p : kv)
        k << p.first;
    return k;
}
}

TEST(SkinButtonPersistence, AbsentKeysTakeTheReadingDefaults)
{
    const SkinButtonProperties p = readSkinButtonProperties(entry({}), context());
    EXPECT_EQ(p.caption, "SkinButton");
    EXPECT_EQ(p.style, 3);
    EXPECT_EQ(p.iconAlign, 1);  // left, although a written 0 is omitted
    EXPECT_EQ(p.iconSize, 16);
    EXPECT_EQ(p.captionAlign, 0);
    EXPECT_EQ(p.nonThemeStyle, 5);
    EXPECT_TRUE(p.enabled);
    EXPECT_TRUE(p.iconVisible);
    EXPECT_FALSE(p.showFocus);
    EXPECT_FALSE(p.useCustomColors);
    EXPECT_EQ(p.backColor, ButtonColor::system(SysColor::ButtonFace));
    EXPECT_EQ(p.highlightColor, ButtonColor::system(SysColor::Highlight));
    EXPECT_EQ(p.fontColor, ButtonColor::system(SysColor::ButtonText));
    EXPECT_EQ(p.fontHighlightColor, ButtonColor::system(SysColor::ButtonText));
    EXPECT_EQ(p.toolTip, "from the container");
    EXPECT_EQ(p.toolTipTitle, "");
    EXPECT_EQ(p.toolTipIcon, 0);
    EXPECT_EQ(p.toolTipType, 1);
    EXPECT_EQ(p.toolTipBackColor, ButtonColor::system(SysColor::InfoText));
    EXPECT_EQ(p.toolTipForeColor, ButtonColor::system(SysColor::InfoBack));
    EXPECT_EQ(p.font, context().currentFont);
    EXPECT_EQ(p.buttonType, 0);
    EXPECT_FALSE(p.value);
    EXPECT_TRUE(p.icon.isNull());
}

TEST(SkinButtonPersistence, ReadsStoredValuesWithKeysInAnyCase)
{
    const SkinButtonProperties p = readSkinButtonProperties(
        entry({{"caption", "       O K"}, {"STYLE", "5"}, {"iconsize", "32"}, {"iconalign", "0"},
               {"inonthemestyle", "0"}, {"ttforecolor", "#102030"}, {"TTBACKCOLOR", "system:5"},
               {"usecustomcolors", "true"}, {"tooltiptype", "0"}, {"enabled", "false"},
               {"font", "NoSuchFamilyAnywhere,8.25,bold"}, {"buttontype", "1"}, {"value", "-1"},
               {"Tooltiptext", ""}, {"Icon", ""}}),
        context());
    EXPECT_EQ(p.caption, "       O K");
    EXPECT_EQ(p.style, 5);
    EXPECT_EQ(p.iconSize, 32);
    EXPECT_EQ(p.iconAlign, 0);
    EXPECT_EQ(p.nonThemeStyle, 0);
    EXPECT_EQ(p.toolTipForeColor, ButtonColor::fromRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(p.toolTipBackColor, ButtonColor::system(5));
    EXPECT_TRUE(p.useCustomColors);
    EXPECT_EQ(p.toolTipType, 0);
    EXPECT_FALSE(p.enabled);
    EXPECT_EQ(p.font.family(), "DejaVu Sans");  // a missing family is substituted
    EXPECT_DOUBLE_EQ(p.font.pointSizeF(), 8.25);
    EXPECT_TRUE(p.font.bold());
    EXPECT_EQ(p.buttonType, 1);
    EXPECT_TRUE(p.value);
    EXPECT_EQ(p.toolTip, "");  // a stored empty text is not the container's
}

TEST(SkinButtonPersistence, UnreadableValuesFallBackToTheirDefaults)
{
    const SkinButtonProperties p = readSkinButtonProperties(
        entry({{"Style", "five"}, {"BackColor", "#12"}, {"Enabled", "maybe"}, {"Font", "Verdana"}}), context());
    EXPECT_EQ(p.style, 3);
    EXPECT_EQ(p.backColor, ButtonColor::system(SysColor::ButtonFace));
    EXPECT_TRUE(p.enabled);
    EXPECT_EQ(p.font, context().currentFont);
}

TEST(SkinButtonPersistence, WritingOmitsDefaultsAndPutsIconAlignBeforeCaptionAlign)
{
    SkinButtonProperties p = readSkinButtonProperties(entry({}), context());
    // Reading defaults that differ from the omission defaults are written back.
    EXPECT_EQ(keys(writeSkinButtonProperties(p, context())),
              QStringList({"Icon", "Caption", "IconAlign", "Tooltiptitle", "ToolTipIcon", "ToolTipType", "Font"}));
    p.caption.clear();
    p.iconAlign = 0;
    p.captionAlign = 2;
    p.style = 5;
    p.value = true;
    p.toolTip = "own text";
    p.toolTipBackColor = ButtonColor::fromRgb(1, 2, 3);
    const auto kv = writeSkinButtonProperties(p, context());
    EXPECT_EQ(keys(kv), QStringList({"Icon", "Style", "CaptionAlign", "ToolTipText", "Tooltiptitle", "ToolTipIcon",
                                     "ToolTipType", "ttBackColor", "Font", "Value"}));
    // What is written reads back to the same properties.
    FormControl back{"SkinButton", "b", kv};
    const SkinButtonProperties q = readSkinButtonProperties(back, context());
    EXPECT_EQ(q.style, 5);
    EXPECT_EQ(q.caption, "SkinButton");  // an empty caption is omitted and reads as the default
    EXPECT_EQ(q.captionAlign, 2);
    EXPECT_EQ(q.iconAlign, 1);           // 0 is omitted and reads as 1, as stored forms always did
    EXPECT_TRUE(q.value);
    EXPECT_EQ(q.toolTip, "own text");
    EXPECT_EQ(q.toolTipBackColor, ButtonColor::fromRgb(1, 2, 3));
    EXPECT_EQ(q.font, p.font);
}

TEST(SkinButtonPersistence, ReadingOrderAndPictures)
{
    const QStringList order = skinButtonReadingOrder();
    ASSERT_EQ(order.size(), 24);
    EXPECT_EQ(order.first(), "Icon");
    EXPECT_EQ(order.indexOf("CaptionAlign") + 1, order.indexOf("IconAlign"));
    EXPECT_EQ(order.last(), "IconVisible");

    QImage icon(5, 4, QImage::Format_ARGB32);
    icon.fill(qRgba(10, 200, 30, 255));
    const QString text = pictureToFormText(icon);
    EXPECT_TRUE(text.startsWith("png:"));
    const QImage back = pictureFromFormText(text);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), icon.size());
    EXPECT_EQ(back.pixel(2, 2), icon.pixel(2, 2));
    EXPECT_TRUE(pictureFromFormText("").isNull());
    EXPECT_TRUE(pictureFromFormText("png:@@@").isNull());
    EXPECT_TRUE(pictureFromFormText("/no/such/file.png").isNull());
}

TEST(SkinButtonPersistence, NewControlDefaults)
{
    const QFont f("DejaVu Sans");
    const SkinButtonProperties p = newSkinButtonProperties("cmdGo", f);
    EXPECT_EQ(p.caption, "cmdGo");
    EXPECT_EQ(p.style, 0);
    EXPECT_EQ(p.iconSize, 16);
    EXPECT_TRUE(p.enabled);
    EXPECT_FALSE(p.iconVisible);
    EXPECT_EQ(p.nonThemeStyle, 0);
    EXPECT_EQ(p.toolTipType, 0);
    EXPECT_TRUE(p.toolTipForeColor.isZero());
    EXPECT_EQ(p.backColor, ButtonColor::system(SysColor::ButtonFace));
    EXPECT_EQ(p.fontHighlightColor, ButtonColor::system(SysColor::ButtonText));
}

TEST(ButtonColor, TextFormsAndResolving)
{
    EXPECT_EQ(ButtonColor::fromRgb(255, 0, 16).toText(), "#ff0010");
    EXPECT_EQ(ButtonColor::fromText("#FF0010"), ButtonColor::fromRgb(255, 0, 16));
    EXPECT_EQ(ButtonColor::fromText("system:15"), ButtonColor::system(15));
    EXPECT_EQ(ButtonColor::fromText("0x8000000F"), ButtonColor::system(15));
    EXPECT_EQ(ButtonColor::fromText("255"), ButtonColor::fromRgb(255, 0, 0));  // 0x00BBGGRR
    EXPECT_FALSE(ButtonColor::fromText("teal"));
    EXPECT_FALSE(ButtonColor::fromText("#12345"));
    EXPECT_TRUE(ButtonColor().isZero());
    EXPECT_FALSE(ButtonColor::system(0).isZero());
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(1, 2, 3));
    pal.setColor(QPalette::ToolTipBase, QColor(4, 5, 6));
    EXPECT_EQ(ButtonColor::system(SysColor::ButtonFace).resolve(pal), QColor(1, 2, 3));
    EXPECT_EQ(ButtonColor::system(SysColor::InfoBack).resolve(pal), QColor(4, 5, 6));
    EXPECT_EQ(ButtonColor::fromRgb(7, 8, 9).resolve(pal), QColor(7, 8, 9));
}
