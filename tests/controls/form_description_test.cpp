#include "controls/FormDescription.h"

#include <gtest/gtest.h>

TEST(FormDescription, ReadsControlsAndValuesIgnoringKeyCase)
{
    const QByteArray text = "# settings window\r\n"
                            "Begin SkinButton cmdOK\r\n"
                            "    Left = 66\r\n"
                            "    caption = \"       O K\"\r\n"
                            "    Font = Verdana,8.25\r\n"
                            "End\r\n"
                            "\n"
                            "begin ComboBox cmbOF\n"
                            "  Width=313\n"
                            "end\n";
    QString error;
    const auto form = parseFormDescription(text, &error);
    ASSERT_TRUE(form) << error.toStdString();
    ASSERT_EQ(form->controls.size(), 2);
    const FormControl* ok = form->find("CMDOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, "SkinButton");
    EXPECT_EQ(ok->value("CAPTION").value(), "       O K");  // blanks inside quotes kept
    EXPECT_EQ(ok->value("left").value(), "66");
    EXPECT_EQ(ok->value("font").value(), "Verdana,8.25");
    EXPECT_FALSE(ok->value("Style").has_value());
    EXPECT_EQ(form->find("cmbOF")->value("WIDTH").value(), "313");
    EXPECT_EQ(form->find("nothing"), nullptr);
}

TEST(FormDescription, ReportsTheFaultyLine)
{
    QString error;
    EXPECT_FALSE(parseFormDescription("Begin SkinButton a\nCaption \"x\"\nEnd\n", &error));
    EXPECT_TRUE(error.contains("line 2")) << error.toStdString();
    EXPECT_FALSE(parseFormDescription("Caption = 1\n", &error));
    EXPECT_FALSE(parseFormDescription("Begin SkinButton a\nCaption = \"open\nEnd\n", &error));
    EXPECT_FALSE(parseFormDescription("Begin SkinButton a\n", &error));
    EXPECT_TRUE(error.contains("End"));
    EXPECT_FALSE(parseFormDescription("End\n", &error));
    EXPECT_FALSE(parseFormDescription("Begin SkinButton\nEnd\n", &error));
    EXPECT_TRUE(parseFormDescription("", &error));
}

TEST(FormDescription, WritesWhatItReadsBack)
{
    FormDescription form;
    FormControl c{"SkinButton", "cmdOK", {}};
    c.set("Caption", "       O K");
    c.set("Tooltiptitle", "");
    c.set("ToolTipText", "say \"hi\"\\ back\nnow");
    c.set("Style", "5");
    c.set("Odd", "\"starts with a quote");
    c.set("style", "7");  // replaces, ignoring case
    form.controls << c;
    const QByteArray text = writeFormDescription(form);
    const auto back = parseFormDescription(text);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->controls.size(), 1);
    EXPECT_EQ(back->controls[0].values, form.controls[0].values);
    EXPECT_EQ(back->controls[0].value("Style").value(), "7");
    EXPECT_TRUE(text.contains("Style = 7\n"));  // plain values stay bare
}
