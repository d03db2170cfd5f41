#include "prefs_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "preferences_sheet.h"
#include "profile_records.h"
#include "profile_store.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"

void PrefsTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    // Each test keeps its history in its own folder.
    qputenv("XDG_STATE_HOME", folder_.filePath(QStringLiteral("state")).toLocal8Bit());
    SetDesktop(&desktop_);
    app_ = std::make_unique<MezuraApp>(ProfilePath());
}

void PrefsTest::TearDown() {
    if (window_ != nullptr) window_->hide();
    window_.reset();
    app_.reset();
    SetDesktop(nullptr);
}

std::string PrefsTest::ProfilePath() const {
    return folder_.filePath(QStringLiteral("mezura.INI")).toStdString();
}

void PrefsTest::WriteProfile(const std::string& text) {
    QFile file(QString::fromStdString(ProfilePath()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string PrefsTest::ProfileText() const {
    QFile file(QString::fromStdString(ProfilePath()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

std::string PrefsTest::Stored(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    return ProfileStore(ProfilePath()).GetProfileString(section, key, defaultValue);
}

MainWindow& PrefsTest::StartWindow() {
    window_ = std::make_unique<MainWindow>(*app_, *catalogue_);
    app_->SetMainWindow(window_.get());
    window_->Populate();
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window_.get(); }));
    return *window_;
}

void PrefsTest::QuitWindow() {
    window_->close();  // the close box: saves Format, Precision, Visibility, LastCategory
    app_->SetMainWindow(nullptr);
    window_.reset();
    app_.reset();
    // The next run starts from the built-in catalogue, as a new process does.
    catalogue_.emplace();
    app_ = std::make_unique<MezuraApp>(ProfilePath());
}

void PrefsTest::RunPreferences(const std::function<void(PreferencesSheet&)>& script) {
    bool ran = false;
    QTimer::singleShot(0, window_.get(), [&] {
        auto* sheet = qobject_cast<PreferencesSheet*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            ADD_FAILURE() << "the Preferences sheet is not the active modal window";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        ran = true;
        // Keys and the focus reach the sheet only once it is the active
        // window (a window whose transient parent is active already counts
        // as active for qWaitForWindowActive).
        sheet->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([sheet] { return QApplication::activeWindow() == sheet; }));
        script(*sheet);
        if (sheet->isVisible()) sheet->reject();
    });
    window_->OnPreferences();
    EXPECT_TRUE(ran);
}

SortedComboBox& PrefsTest::MainCategories() { return window_->CategoryCombo(); }

std::vector<std::string> PrefsTest::MainCategoryNames() { return Entries(MainCategories()); }

std::vector<std::string> PrefsTest::MainUnitNames() {
    auto* units = window_->findChild<SortedListBox*>(QStringLiteral("inputUnits"));
    std::vector<std::string> names;
    if (units == nullptr) {
        ADD_FAILURE() << "no input unit list";
        return names;
    }
    for (int i = 0; i < units->Count(); ++i) names.push_back(units->TextAt(i));
    return names;
}

QLineEdit& PrefsTest::MainInput() {
    return *window_->findChild<QLineEdit*>(QStringLiteral("inputEdit"));
}

QLineEdit& PrefsTest::MainOutput() {
    return *window_->findChild<QLineEdit*>(QStringLiteral("outputEdit"));
}

void PrefsTest::ChooseMainCategory(const std::string& name) {
    ChooseEntry(MainCategories(), name);
    ASSERT_EQ(MainCategories().SelectedText(), name);
}

void ShowTab(PreferencesSheet& sheet, int index) {
    QTabBar* bar = sheet.Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(sheet.Tabs().currentIndex(), index);
}

void PressOk(PreferencesSheet& sheet) { Click(*sheet.Buttons().button(QDialogButtonBox::Ok)); }

void PressCancel(PreferencesSheet& sheet) {
    Click(*sheet.Buttons().button(QDialogButtonBox::Cancel));
}

void Click(QAbstractButton& button) {
    QPoint where = button.rect().center();
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.inherits("QCheckBox"))
        where =
            button.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &button).center();
    else if (button.inherits("QRadioButton"))
        where = button.style()
                    ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button)
                    .center();
    QTest::mouseClick(&button, Qt::LeftButton, {}, where);
}

void ChooseByKeys(QComboBox& combo, int index) {
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(&combo, Qt::Key_Down);
}

void ChooseEntry(SortedComboBox& combo, const std::string& name) {
    int index = -1;
    for (int i = 0; i < combo.Count(); ++i) {
        if (combo.TextAt(i) == name) index = i;
    }
    ASSERT_GE(index, 0) << "no entry " << name;
    ChooseByKeys(combo, index);
}

void TypeInto(QLineEdit& field, const QString& text) {
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(&field, Qt::Key_Delete);
    TypeText(field, text);
}

void TypeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        // QTest knows the keys of ASCII only; other characters arrive as a
        // key press that carries the character, as an input method sends it.
        if (c.unicode() < 0x80)
            QTest::keyClick(&widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

std::vector<std::string> Entries(const SortedComboBox& combo) {
    std::vector<std::string> names;
    for (int i = 0; i < combo.Count(); ++i) names.push_back(combo.TextAt(i));
    return names;
}
