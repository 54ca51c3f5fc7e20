// The pictures compiled into the program, read the way the windows read them.
#include "platform/JpegDecoder.h"

#include <QImage>
#include <QString>
#include <cmath>
#include <gtest/gtest.h>

TEST(Pictures, EachDecodesToTheSizeOfItsWindow)
{
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        { ":/pictures/main.jpg", { 688, 464 } },
        { ":/pictures/about.jpg", { 448, 304 } },
        { ":/pictures/title.jpg", { 648, 239 } },
    };
    for (const auto& p : pictures)
        EXPECT_EQ(loadJpeg(QString::fromLatin1(p.path)).size(), p.size) << p.path;
}

TEST(Pictures, ApplicationIconIsPresent)
{
    EXPECT_EQ(QImage(QStringLiteral(":/icons/rotandesk.png")).size(), QSize(128, 128));
}

// The status panel of the main window lies over this part of the background, so it must
// stay plain and light for the panel's text to read well.
TEST(Pictures, MainBackgroundIsPlainAndLightUnderTheStatusPanel)
{
    const QImage picture = loadJpeg(QStringLiteral(":/pictures/main.jpg"));
    ASSERT_FALSE(picture.isNull());
    double sum = 0;
    double squares = 0;
    int count = 0;
    for (int y = 240; y < 417; ++y)
        for (int x = 184; x < 537; ++x) {
            const int grey = qGray(picture.pixel(x, y));
            sum += grey;
            squares += double(grey) * grey;
            ++count;
        }
    const double mean = sum / count;
    EXPECT_GT(mean, 200.0);
    EXPECT_LT(std::sqrt(squares / count - mean * mean), 6.0);
}
