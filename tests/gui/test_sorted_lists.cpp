// The lists that sort themselves: order, the operations the window relies
// on, and the rule that only the user's changes notify.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "sorted_combo_box.h"
#include "sorted_list_box.h"

namespace {

template <typename List>
std::vector<std::string> Entries(const List& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.TextAt(i));
    return entries;
}

// Windows-1252 bytes, added in this order.
const std::vector<std::string> Unsorted = {"zebra", "\xE9lan",         "Apple", "Eagle",
                                           "apple", "BTU (39 \xBA F)", "10"};
// Case-insensitive, the accented letter beside its base letter, equal names
// ordered by their bytes (capital first), digits before letters.
const std::vector<std::string> Sorted = {"10",    "Apple",   "apple", "BTU (39 \xBA F)",
                                         "Eagle", "\xE9lan", "zebra"};

template <typename List>
class SortedListTest : public ::testing::Test {
protected:
    List list;
};

using ListKinds = ::testing::Types<SortedComboBox, SortedListBox>;
TYPED_TEST_SUITE(SortedListTest, ListKinds);

TYPED_TEST(SortedListTest, KeepsCaseInsensitiveOrderWhateverTheOrderOfAdding) {
    std::vector<int> positions;
    for (const std::string& name : Unsorted) positions.push_back(this->list.AddSorted(name));
    EXPECT_EQ(Entries(this->list), Sorted);
    EXPECT_EQ(positions[0], 0) << "zebra first into an empty list";
    EXPECT_EQ(positions[4], 1) << "apple goes right after Apple";
    EXPECT_EQ(this->list.SelectedPosition(), -1) << "adding never selects";
}

TYPED_TEST(SortedListTest, ShowsUnicodeAndGivesBackTheBytes) {
    this->list.AddSorted("Centimeters/sec\xB2 ");
    this->list.AddSorted("BTU (39 \xBA F)");
    EXPECT_EQ(this->list.TextAt(1), "Centimeters/sec\xB2 ");
    EXPECT_EQ(this->list.TextAt(0), "BTU (39 \xBA F)");
    EXPECT_EQ(this->list.TextAt(2), "") << "no such entry";
    EXPECT_EQ(this->list.TextAt(-1), "");
    const QString shown = this->list.model()->index(1, 0).data().toString();
    EXPECT_EQ(shown, QString::fromUtf8("Centimeters/sec² "));
}

TYPED_TEST(SortedListTest, FindsExactNamesIgnoringCase) {
    for (const char* name : {"Miles", "Nautical miles", "\xC9tendue"}) this->list.AddSorted(name);
    EXPECT_EQ(this->list.FindExact("MILES"), 1);
    EXPECT_EQ(this->list.FindExact("nautical MILES"), 2);
    EXPECT_EQ(this->list.FindExact("\xE9TENDUE"), 0) << "code page letters fold too";
    EXPECT_EQ(this->list.FindExact("Mile"), -1);
    EXPECT_EQ(this->list.FindExact("Miles "), -1);
    EXPECT_EQ(this->list.FindExact(""), -1);
}

TYPED_TEST(SortedListTest, SelectionFollowsItsEntryAndGoesWithIt) {
    for (const char* name : {"b", "d", "f"}) this->list.AddSorted(name);
    this->list.Select(1);
    EXPECT_EQ(this->list.SelectedPosition(), 1);

    this->list.AddSorted("a");  // before the selected entry
    EXPECT_EQ(this->list.SelectedPosition(), 2);
    EXPECT_EQ(this->list.TextAt(2), "d");

    this->list.DeleteAt(0);  // another entry
    EXPECT_EQ(this->list.SelectedPosition(), 1);
    this->list.DeleteAt(1);  // the selected one
    EXPECT_EQ(this->list.SelectedPosition(), -1);
    EXPECT_EQ(Entries(this->list), (std::vector<std::string>{"b", "f"}));

    this->list.DeleteAt(5);  // out of range: nothing
    this->list.DeleteAt(-1);
    EXPECT_EQ(this->list.Count(), 2);

    this->list.Select(1);
    this->list.Select(7);
    EXPECT_EQ(this->list.SelectedPosition(), -1) << "a position out of range selects nothing";
    this->list.Select(0);
    this->list.Select(-1);
    EXPECT_EQ(this->list.SelectedPosition(), -1);

    this->list.Empty();
    EXPECT_EQ(this->list.Count(), 0);
    EXPECT_EQ(this->list.SelectedPosition(), -1);
}

TYPED_TEST(SortedListTest, TheProgramsOwnChangesNeverNotify) {
    QSignalSpy notices(&this->list, &TypeParam::userSelected);
    for (const std::string& name : Unsorted) this->list.AddSorted(name);
    this->list.Select(3);
    this->list.Select(0);
    this->list.DeleteAt(0);
    this->list.AddSorted("0");
    this->list.Select(-1);
    this->list.Empty();
    this->list.AddSorted("x");
    EXPECT_EQ(notices.count(), 0);
}

// Type-ahead searches what the list shows, so it must find the entries where
// the list has sorted them, not where they were added.
TYPED_TEST(SortedListTest, TypingJumpsToTheNextEntryStartingWithTheLetters) {
    struct Case {
        const char* typed;
        const char* selected;  // nothing when null
        int notices;
    };
    const Case cases[] = {
        {"a", "Apple", 1},  {"e", "Eagle", 1}, {"bt", "BTU (39 \xBA F)", 1},
        {"ZE", "zebra", 1},  // one jump: "ze" still fits the entry "z" found
        {"1", "10", 1},     {"x", nullptr, 0},
    };
    // Letters typed one after another make one search however slowly the
    // machine delivers them.
    const int savedInterval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60 * 60 * 1000);
    for (const Case& c : cases) {
        TypeParam fresh;  // a fresh list forgets what was typed before
        for (const std::string& name : Unsorted) fresh.AddSorted(name);
        QSignalSpy notices(&fresh, &TypeParam::userSelected);
        QTest::keyClicks(&fresh, QString::fromLatin1(c.typed));
        if (c.selected != nullptr)
            EXPECT_EQ(fresh.TextAt(fresh.SelectedPosition()), c.selected) << c.typed;
        else
            EXPECT_EQ(fresh.SelectedPosition(), -1) << c.typed;
        EXPECT_EQ(notices.count(), c.notices) << c.typed;
    }
    QApplication::setKeyboardInputInterval(savedInterval);
}

}  // namespace

// What the user does notifies once per change.

TEST(SortedComboBoxUser, EachKeyThatMovesTheSelectionNotifiesOnce) {
    SortedComboBox list;
    for (const char* name : {"Area", "Distance", "Mass"}) list.AddSorted(name);
    list.Select(0);
    list.show();
    QSignalSpy notices(&list, &SortedComboBox::userSelected);

    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedText(), "Distance");
    EXPECT_EQ(notices.count(), 1);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.SelectedText(), "Mass");
    EXPECT_EQ(notices.count(), 2);
    QTest::keyClick(&list, Qt::Key_Down);  // already at the end: no change, no notice
    EXPECT_EQ(notices.count(), 2);
}

TEST(SortedListBoxUser, ClicksAndKeysNotifyOncePerChange) {
    SortedListBox list;
    list.resize(200, 200);
    for (const char* name : {"Feet", "Inches", "Miles", "Yards"}) list.AddSorted(name);
    list.Select(0);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy notices(&list, &SortedListBox::userSelected);

    const auto click = [&](int position, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                          list.visualItemRect(list.item(position)).center());
    };
    click(2);
    EXPECT_EQ(list.SelectedPosition(), 2);
    EXPECT_EQ(notices.count(), 1);
    click(2);
    EXPECT_EQ(notices.count(), 1) << "the selected entry again: no change";
    click(2, Qt::ControlModifier);
    EXPECT_EQ(list.SelectedPosition(), 2) << "Ctrl+click does not take the selection away";
    EXPECT_EQ(notices.count(), 1);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedPosition(), 3);
    EXPECT_EQ(notices.count(), 2);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.SelectedPosition(), 0);
    EXPECT_EQ(notices.count(), 3);
}
