#include "main_window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "profile_records.h"
#include "result_format.h"
#include "text_edge.h"

void MainWindowTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
    // Each test keeps its history in its own folder.
    qputenv("XDG_STATE_HOME", folder_.filePath(QStringLiteral("state")).toLocal8Bit());
    SetDesktop(&desktop_);
}

void MainWindowTest::TearDown() {
    window_.reset();
    app_.reset();
    SetDesktop(nullptr);
    if (hadConfigHome_)
        qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

void MainWindowTest::Start(const std::optional<std::string>& profileText) {
    if (profileText) {
        std::ofstream file(ProfilePath(), std::ios::binary);
        file << *profileText;
    }
    StartAt(ProfilePath());
}

void MainWindowTest::StartAt(const std::string& path) {
    app_ = std::make_unique<MezuraApp>(path);
    window_ = std::make_unique<MainWindow>(*app_, *catalogue_);
    app_->SetMainWindow(window_.get());
    window_->Populate();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

std::string MainWindowTest::ProfilePath() const {
    return folder_.filePath(QStringLiteral("mezura.INI")).toStdString();
}

std::string MainWindowTest::ProfileBehindAFile() const {
    const QString blocker = folder_.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return (blocker + QStringLiteral("/mezura.INI")).toStdString();
}

bool MainWindowTest::ProfileExists() const {
    return QFile::exists(QString::fromStdString(ProfilePath()));
}

ProfileKeys MainWindowTest::ReadProfileKeys() const {
    ProfileKeys keys;
    std::ifstream file(ProfilePath(), std::ios::binary);
    std::string line;
    std::string section;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            keys[section][line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

QString MainWindowTest::Shown(const std::string& cp1252) { return QStringFromCp1252(cp1252); }

SortedComboBox& MainWindowTest::Categories() {
    return *window_->findChild<SortedComboBox*>(QStringLiteral("categoryCombo"));
}

SortedListBox& MainWindowTest::InputUnits() {
    return *window_->findChild<SortedListBox*>(QStringLiteral("inputUnits"));
}

SortedListBox& MainWindowTest::OutputUnits() {
    return *window_->findChild<SortedListBox*>(QStringLiteral("outputUnits"));
}

QLineEdit& MainWindowTest::InputEdit() {
    return *window_->findChild<QLineEdit*>(QStringLiteral("inputEdit"));
}

QLineEdit& MainWindowTest::OutputEdit() {
    return *window_->findChild<QLineEdit*>(QStringLiteral("outputEdit"));
}

QLabel& MainWindowTest::InputUnitLabel() {
    return *window_->findChild<QLabel*>(QStringLiteral("inputUnitLabel"));
}

QLabel& MainWindowTest::OutputUnitLabel() {
    return *window_->findChild<QLabel*>(QStringLiteral("outputUnitLabel"));
}

void MainWindowTest::PickCategory(const std::string& name) {
    SortedComboBox& list = Categories();
    const int target = list.FindExact(name);
    ASSERT_GE(target, 0) << name;
    list.setFocus();
    // Up and Down on a closed drop-down list move the selection one entry.
    while (list.SelectedPosition() < target) QTest::keyClick(&list, Qt::Key_Down);
    while (list.SelectedPosition() > target) QTest::keyClick(&list, Qt::Key_Up);
    ASSERT_EQ(list.SelectedText(), name);
}

void MainWindowTest::ClickUnit(SortedListBox& list, const std::string& name) {
    const int position = list.FindExact(name);
    ASSERT_GE(position, 0) << name;
    list.scrollToItem(list.item(position));
    const QPoint centre = list.visualItemRect(list.item(position)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    ASSERT_EQ(list.SelectedPosition(), position) << name;
}

void MainWindowTest::TypeInput(const QString& keys) {
    InputEdit().setFocus();
    for (const QChar character : keys) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(&InputEdit(), static_cast<char>(character.unicode()));
            continue;
        }
        // A key of another alphabet: its key code is its capital letter.
        QTest::sendKeyEvent(QTest::Click, &InputEdit(),
                            static_cast<Qt::Key>(character.toUpper().unicode()), QString(character),
                            Qt::NoModifier);
    }
}

void MainWindowTest::TypeKilometersToMiles(const QString& typed) {
    PickCategory("Distance");
    ClickUnit(InputUnits(), "Kilometers");
    ClickUnit(OutputUnits(), "Miles");
    ClearInput();
    TypeInput(typed);
}

void MainWindowTest::ClearInput() {
    InputEdit().setFocus();
    QTest::keyClick(&InputEdit(), Qt::Key_End);
    while (!InputEdit().text().isEmpty()) {
        const auto before = InputEdit().text().size();
        QTest::keyClick(&InputEdit(), Qt::Key_Backspace);
        ASSERT_LT(InputEdit().text().size(), before);
    }
}
