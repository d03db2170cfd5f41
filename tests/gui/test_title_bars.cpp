// The title bar the fixed windows draw themselves where the compositor
// leaves title bars to Qt (title_bars.h), tried offscreen by giving it to
// them as that start-up would.
#include <QAbstractButton>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "about_dialog.h"
#include "dialog_units.h"
#include "main_window_fixture.h"
#include "title_bars.h"

namespace {

class TitleBarsTest : public MainWindowTest {
protected:
    // The main window with its own title bar, from the first showing on.
    void StartTitled() {
        app_ = std::make_unique<MezuraApp>(ProfilePath());
        window_ = std::make_unique<MainWindow>(*app_, *catalogue_);
        app_->SetMainWindow(window_.get());
        GiveOwnTitleBar(*window_);
        window_->Populate();
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
};

std::vector<QString> ButtonNames(const TitleStrip& strip) {
    std::vector<QString> names;
    for (const QAbstractButton* button : strip.findChildren<QAbstractButton*>())
        names.push_back(button->accessibleName());
    return names;
}

}  // namespace

// Only a Wayland compositor without server-side decorations leaves the
// title bar to the program.
TEST_F(TitleBarsTest, OtherPlatformsDrawTheirOwn) { EXPECT_TRUE(WindowSystemDrawsTitleBars()); }

// Minimize and Close, never Maximize; the window stays fixed at its
// template's size under the strip, and Close leaves as the close box does,
// remembering the category.
TEST_F(TitleBarsTest, TheMainWindowsOwnTitleBarHasNoMaximizeAndClosesLikeTheCloseBox) {
    StartTitled();
    auto* strip = Window().findChild<TitleStrip*>();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(ButtonNames(*strip),
              (std::vector<QString>{QStringLiteral("Minimize"), QStringLiteral("Close")}));
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    const auto* client = Window().findChild<QWidget*>(QStringLiteral("client"));
    EXPECT_EQ(client->size(), DialogUnits(Window().font()).Size(249, 191));
    EXPECT_LT(strip->mapTo(&Window(), QPoint()).y(),
              Window().findChild<QMenuBar*>()->mapTo(&Window(), QPoint()).y());

    PickCategory("Distance");
    QTest::mouseClick(strip->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(ReadProfileKeys()["Settings"]["LastCategory"], "Distance");
}

// A window of controls placed at their template places keeps them there,
// under the strip, at its fixed size; without Minimize in its flags it
// offers Close alone.
TEST_F(TitleBarsTest, AWindowOfPlacedControlsKeepsThemUnderItsOwnTitleBar) {
    AboutDialog about;
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
    const QRect okPlace = ok->geometry();
    const QSize size = about.size();
    GiveOwnTitleBar(about);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    auto* strip = about.findChild<TitleStrip*>();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(ButtonNames(*strip), std::vector<QString>{QStringLiteral("Close")});
    EXPECT_EQ(ok->geometry(), okPlace);
    EXPECT_EQ(about.size(), QSize(size.width(), size.height() + strip->height()));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    QTest::mouseClick(strip->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}
