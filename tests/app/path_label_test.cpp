// The path box: a path that fits is shown whole; a longer one keeps its start and its file name
// and loses its middle, with the whole path in the tool tip, at any width and font.
#include "app/PathLabel.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(PathLabel, ShowsAShortPathWholeAndElidesALongOneInTheMiddle)
{
    PathLabel label(QStringLiteral("No file open"));
    label.resize(370, 16);
    label.show();
    EXPECT_EQ(label.text(), "No file open");
    EXPECT_TRUE(label.toolTip().isEmpty());

    const QString path = QStringLiteral("/home/someone/Music/Albums/A Band With A Long Name/The Second Record (Deluxe "
                                        "Edition)/07 - The Song Everybody Knows.mp3");
    label.setPath(path);
    EXPECT_EQ(label.path(), path);
    EXPECT_TRUE(label.text().startsWith("/home/someone/")) << label.text().toStdString();
    EXPECT_TRUE(label.text().endsWith("Knows.mp3")) << label.text().toStdString();
    EXPECT_TRUE(label.text().contains(QChar(0x2026)));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.contentsRect().width());
    EXPECT_EQ(label.toolTip(), path);

    // Wider, or with a smaller font, it shows more of the path again.
    const QString narrow = label.text();
    label.resize(700, 16);
    EXPECT_GT(label.text().size(), narrow.size());
    QFont small = label.font();
    small.setPointSizeF(small.pointSizeF() / 2);
    label.setFont(small);
    EXPECT_EQ(label.text(), path);
    EXPECT_TRUE(label.toolTip().isEmpty());
}
