// What a screen reader finds: every control that takes the focus in the
// main window, the About box, the four Preferences pages and the Find unit
// popup has a name
// through Qt's accessibility interface, and the five main controls carry
// the names and descriptions a user hears.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

#include "about_dialog.h"
#include "find_unit_popup.h"
#include "main_window_fixture.h"
#include "preferences_sheet.h"
#include "profile_records.h"
#include "unit_lookup.h"
#include "unit_search.h"

// Failures show the texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The names of the focusable controls of `top` (its own window only: a
// drop-down list's pop-up is the list's business) that have none.
QStringList UnnamedControls(QWidget& top) {
    QStringList unnamed;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (widget->window() != &top || widget->focusPolicy() == Qt::NoFocus) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->metaObject()->className() + QStringLiteral(" ") +
                           widget->objectName();
    }
    return unnamed;
}

int FocusableCount(QWidget& top) {
    int count = 0;
    for (QWidget* widget : top.findChildren<QWidget*>())
        if (widget->window() == &top && widget->focusPolicy() != Qt::NoFocus) ++count;
    return count;
}

QString Said(QWidget* widget, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

class AccessibilityTest : public MainWindowTest {};

TEST_F(AccessibilityTest, EveryFocusableControlHasAName) {
    Start();
    AboutDialog about(&Window());
    PreferencesSheet sheet(QStringLiteral("Preferences"), &Window(), 0, app_->Profile(),
                           *catalogue_, Window().Style(), Window().MixedUnits(),
                           Window().DecimalPointChosen(), Window());
    FindUnitPopup find(ListFindableUnits(*catalogue_,
                                         [this](int row, int position) {
                                             return AliasesOf(*catalogue_, row, position);
                                         }),
                       &Window());
    for (QWidget* top : {static_cast<QWidget*>(&Window()), static_cast<QWidget*>(&about),
                         static_cast<QWidget*>(&sheet), static_cast<QWidget*>(&find)}) {
        SCOPED_TRACE(top->objectName().toStdString());
        EXPECT_GT(FocusableCount(*top), 0);  // the walk saw controls at all
        EXPECT_EQ(UnnamedControls(*top), QStringList());
    }
    // The sheet's walk covered all four pages, shown or not.
    EXPECT_EQ(sheet.Tabs().count(), 4);
    EXPECT_EQ(Said(&sheet.customPage_.factorEdit_, QAccessible::Name), QStringLiteral("Factor"));
}

TEST_F(AccessibilityTest, MainControlsSayWhatTheyHold) {
    Start();
    const struct {
        QWidget* control;
        const char* name;
    } expected[] = {
        {&InputEdit(), "Input value"},
        {&OutputEdit(), "Result"},
        {&InputUnits(), "Input unit"},
        {&OutputUnits(), "Output unit"},
    };
    for (const auto& [control, name] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Said(control, QAccessible::Name), QLatin1String(name));
        EXPECT_FALSE(Said(control, QAccessible::Description).isEmpty());
    }
    // A drop-down list is named by the label it is the buddy of.
    QAccessibleInterface* quantity = QAccessible::queryAccessibleInterface(&Categories());
    const auto labels = quantity->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), QStringLiteral("Quantity"));
    EXPECT_FALSE(quantity->text(QAccessible::Description).isEmpty());

    // The result is read where it is shown: the output field's value.
    TypeKilometersToMiles(QStringLiteral("1"));
    EXPECT_EQ(Said(&OutputEdit(), QAccessible::Value), QStringLiteral("0.62137119223733"));
}

TEST_F(AccessibilityTest, LabelsAndButtonsSayWhatTheyAre) {
    Start();
    PreferencesSheet sheet(QStringLiteral("Preferences"), &Window(), 0, app_->Profile(),
                           *catalogue_, Window().Style(), Window().MixedUnits(),
                           Window().DecimalPointChosen(), Window());
    // The preview reads as the value it shows; its frame says it is a preview.
    sheet.resultsPage_.Activate();
    const QString preview = sheet.resultsPage_.preview_.text();
    ASSERT_FALSE(preview.isEmpty());
    EXPECT_EQ(Said(&sheet.resultsPage_.preview_, QAccessible::Name), preview);

    // Both drop-down lists of the Custom page are named by a label.
    for (auto [combo, name] : {std::pair{&sheet.customPage_.categoryCombo_, "Existing category"},
                               std::pair{&sheet.customPage_.unitCombo_, "Existing unit"}}) {
        SCOPED_TRACE(name);
        const auto labels =
            QAccessible::queryAccessibleInterface(combo)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->text(QAccessible::Name), QLatin1String(name));
    }

    FindUnitPopup find(ListFindableUnits(*catalogue_,
                                         [this](int row, int position) {
                                             return AliasesOf(*catalogue_, row, position);
                                         }),
                       &Window());
    const QList<QToolButton*> clear = find.findChildren<QToolButton*>();
    ASSERT_EQ(clear.size(), 1);
    EXPECT_EQ(Said(clear.front(), QAccessible::Name), QStringLiteral("Clear"));
}

}  // namespace
