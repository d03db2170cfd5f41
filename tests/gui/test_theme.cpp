// Any theme and scale: under a dark palette the drawn "=" sign and the About
// box's address reach the contrast WCAG asks of text (4.5:1) against the
// background they are drawn on; at twice the scale the pictures carry twice
// the pixels instead of being stretched.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>
#include <cstdio>

#include "about_dialog.h"
#include "custom_page.h"
#include "main_window_fixture.h"

namespace {

// Every window of this program runs at twice the scale, before its
// QApplication exists (the test environment makes it in main).
[[maybe_unused]] const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

// WCAG 2.1, written out here as the reference the program is held to.
double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double Luminance(QColor c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark theme as many desktops set it up for Qt: Fusion and a dark palette.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Mid, QColor(30, 30, 30));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    return dark;
}

// The lowest contrast of the picture's opaque pixels against `background`;
// 0 when it has none (nothing drawn).
double LowestInkContrast(const QLabel& picture, QColor background) {
    const QImage image = picture.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    double lowest = 0;
    bool any = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() < 255) continue;
            const double contrast = Contrast(pixel, background);
            lowest = any ? std::min(lowest, contrast) : contrast;
            any = true;
        }
    return lowest;
}

class DarkThemeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        savedStyle_ = QApplication::style()->name();
        savedPalette_ = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        QApplication::setPalette(savedPalette_);
        QApplication::setStyle(QStyleFactory::create(savedStyle_));
    }

private:
    QString savedStyle_;
    QPalette savedPalette_;
};

TEST_F(DarkThemeTest, EqualsSignsStandOutFromTheirBackground) {
    Start();
    const QColor background = Window().palette().color(QPalette::Window);
    const auto* equals = Window().findChild<QLabel*>(QStringLiteral("equalsIcon"));
    const double mainContrast = LowestInkContrast(*equals, background);
    EXPECT_GE(mainContrast, 4.5);

    CustomPage page(*catalogue_, app_->Profile(), Window());
    EXPECT_GE(LowestInkContrast(page.equalsIcon_, page.palette().color(QPalette::Window)), 4.5);
    std::printf("[ measured ] \"=\" on the dark window: %.2f:1\n", mainContrast);
}

TEST_F(DarkThemeTest, AboutAddressStandsOutFromTheBox) {
    Start();
    AboutDialog about(&Window());
    const auto* address = about.findChild<QLabel*>(QStringLiteral("emailLink"));
    const QColor ink = address->palette().color(QPalette::WindowText);
    const double contrast = Contrast(ink, about.palette().color(QPalette::Window));
    EXPECT_GE(contrast, 4.5);
    EXPECT_GT(ink.blue(), ink.red());  // still a link's blue, only lighter
    std::printf("[ measured ] address on the dark About box: %.2f:1\n", contrast);
}

TEST_F(MainWindowTest, PicturesCarryTheScreensPixels) {
    Start();
    ASSERT_EQ(Window().devicePixelRatioF(), 2.0);
    AboutDialog about(&Window());
    CustomPage page(*catalogue_, app_->Profile(), Window());
    for (const QLabel* picture : {Window().findChild<const QLabel*>(QStringLiteral("equalsIcon")),
                                  about.findChild<const QLabel*>(QStringLiteral("appIcon")),
                                  static_cast<const QLabel*>(&page.equalsIcon_)}) {
        SCOPED_TRACE(picture->objectName().toStdString());
        const QPixmap pixmap = picture->pixmap();
        EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
        // Drawn for 2x: twice as many pixels as the logical size it covers.
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize() * 2, pixmap.size());
    }
}

}  // namespace
