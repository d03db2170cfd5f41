// "Open in Mezura": the window started with the arguments the search
// service hands it, for queries that look like options. The window reads
// them as queries; neither its parser nor Qt's sees an option in them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "search_desktop.h"

namespace {

// What start_state_driver printed, by the word before each colon; "(none)"
// for a line it did not print.
using State = std::map<std::string, std::string>;

State StartState(const QStringList& arguments) {
    QTemporaryDir config;
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(START_STATE_DRIVER), arguments);
    EXPECT_TRUE(window.waitForFinished(30'000));
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(window.exitCode(), 0) << window.readAllStandardError().toStdString();
    State state{{"category", "(none)"},
                {"input", "(none)"},
                {"output", "(none)"},
                {"stylesheet", "(none)"}};
    for (const QByteArray& line : window.readAllStandardOutput().split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) state[line.left(colon).toStdString()] = line.mid(colon + 2).toStdString();
    }
    return state;
}

TEST(OpenWindow, AQueryThatBeginsWithAMinusIsTheQuery) {
    auto state = StartState(WindowArguments(QStringLiteral("-5 km to mi")));
    EXPECT_EQ(state["category"], "Distance");
    EXPECT_EQ(state["from"], "Kilometers");
    EXPECT_EQ(state["to"], "Miles");
    EXPECT_EQ(state["input"], "-5");
    EXPECT_EQ(state["output"], "-3.1068559611867");
}

TEST(OpenWindow, QtsOwnOptionsInTheQueryAreNotApplied) {
    QTemporaryDir folder;
    const QString sheet = folder.filePath(QStringLiteral("x.qss"));
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QLineEdit { color: red; }");
    file.close();
    for (const QString& query :
         {QStringLiteral("-stylesheet=") + sheet, QStringLiteral("--stylesheet=") + sheet}) {
        SCOPED_TRACE(query.toStdString());
        auto state = StartState(WindowArguments(query));
        EXPECT_EQ(state.at("stylesheet"), "");
        EXPECT_EQ(state["input"], "0");
    }
    // The same words as separate arguments after "--" are one query.
    auto state = StartState({QStringLiteral("--"), QStringLiteral("-stylesheet"), sheet});
    EXPECT_EQ(state.at("stylesheet"), "");
    EXPECT_EQ(StartState({QStringLiteral("--"), QStringLiteral("-5"), QStringLiteral("km"),
                          QStringLiteral("to"), QStringLiteral("mi")})
                  .at("output"),
              "-3.1068559611867");
}

}  // namespace
