// The about box shown while the program starts.
#include "app/Unitabout.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

TEST(AboutBox, ClosesItselfBeforeItsConstructorReturns)
{
    TAboutBox box;
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutBox, IsAFramelessPictureWindowCentredOnTheScreen)
{
    TAboutBox box;
    EXPECT_EQ(box.size(), QSize(448, 304));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(box.geometry().center(), box.screen()->availableGeometry().center());
    const auto* picture = box.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(448, 304));
}
