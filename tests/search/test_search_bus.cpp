// The installed search service over a private session bus, called as GNOME
// Shell and KRunner call it (test_search_bus.sh sets up the bus, the
// display and the profile folder). No call starts the service by hand: the
// bus starts it from the installed activation file.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <memory>

#include "gnome_search_provider.h"
#include "krunner_types.h"
#include "search_service.h"

namespace {

class BusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        RegisterSearchDBusTypes();
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[20] = "mezura-search-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};
[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new BusEnvironment);

const QString Gnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString KRunner = QStringLiteral("org.kde.krunner1");

QDBusMessage Call(const char* path, const QString& interface, const QString& method,
                  const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(SearchBusName), QString::fromLatin1(path), interface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 10'000);
}

QStringList InitialResults(const QStringList& terms) {
    const QDBusReply<QStringList> reply =
        Call(GnomeProviderPath, Gnome, QStringLiteral("GetInitialResultSet"), {terms});
    EXPECT_TRUE(reply.isValid()) << reply.error().message().toStdString();
    return reply.value();
}

QList<QVariantMap> Metas(const QStringList& ids) {
    const QDBusMessage reply =
        Call(GnomeProviderPath, Gnome, QStringLiteral("GetResultMetas"), {ids});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    if (reply.arguments().isEmpty()) return {};
    return qdbus_cast<QList<QVariantMap>>(reply.arguments().at(0));
}

RemoteMatches Match(const QString& query) {
    const QDBusMessage reply = Call(KRunnerPath, KRunner, QStringLiteral("Match"), {query});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    if (reply.arguments().isEmpty()) return {};
    return qdbus_cast<RemoteMatches>(reply.arguments().at(0));
}

bool Running() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(
        QString::fromLatin1(SearchBusName));
}

uint ServicePid() {
    return QDBusConnection::sessionBus()
        .interface()
        ->servicePid(QString::fromLatin1(SearchBusName))
        .value();
}

// What the clipboard holds once `text` has arrived, or what it held last.
QString ClipboardWhenItHolds(const QString& text) {
    QDeadlineTimer deadline(5000);
    QString held;
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        held = QGuiApplication::clipboard()->text();
        if (held == text) break;
        QThread::msleep(50);
    }
    return held;
}

void WriteProfile(const QByteArray& text) {
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/mezura.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

TEST(SearchBus, GnomeShellFindsTheConversionAndActivatingCopiesTheValue) {
    const QStringList terms{QStringLiteral("5"), QStringLiteral("km"), QStringLiteral("to"),
                            QStringLiteral("mi")};
    const QStringList ids = InitialResults(terms);
    ASSERT_EQ(ids.size(), 1);
    const QList<QVariantMap> metas = Metas(ids);
    ASSERT_EQ(metas.size(), 1);
    EXPECT_EQ(metas[0].value(QStringLiteral("name")).toString(),
              QStringLiteral("3.1068559611867 Miles"));
    EXPECT_EQ(metas[0].value(QStringLiteral("clipboardText")).toString(),
              QStringLiteral("3.1068559611867"));
    EXPECT_EQ(InitialResults({QStringLiteral("5"), QStringLiteral("km")}).size(), 3);

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QDBusMessage done = Call(GnomeProviderPath, Gnome, QStringLiteral("ActivateResult"),
                                   {ids[0], terms, QVariant::fromValue(0u)});
    EXPECT_EQ(done.type(), QDBusMessage::ReplyMessage) << done.errorMessage().toStdString();
    EXPECT_EQ(ClipboardWhenItHolds(QStringLiteral("3.1068559611867")),
              QStringLiteral("3.1068559611867"));
}

TEST(SearchBus, KRunnerMatchesAndItsDefaultActionCopiesTheValue) {
    const QDBusMessage actions = Call(KRunnerPath, KRunner, QStringLiteral("Actions"), {});
    ASSERT_EQ(actions.type(), QDBusMessage::ReplyMessage);
    const auto offered = qdbus_cast<RemoteActions>(actions.arguments().at(0));
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered[0].text, QStringLiteral("Open in Mezura"));

    const RemoteMatches matches = Match(QStringLiteral("100 °F to °C"));
    ASSERT_EQ(matches.size(), 1);
    EXPECT_EQ(matches[0].text, QStringLiteral("37.777777777778 Celsius"));
    EXPECT_EQ(matches[0].properties.value(QStringLiteral("subtext")).toString(),
              QStringLiteral("100 °F = 37.777777777778 °C"));

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Call(KRunnerPath, KRunner, QStringLiteral("Run"), {matches[0].id, QString()});
    EXPECT_EQ(ClipboardWhenItHolds(QStringLiteral("37.777777777778")),
              QStringLiteral("37.777777777778"));
}

TEST(SearchBus, TheProfilesCustomUnitIsFoundAndItsChangesFollow) {
    WriteProfile("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Rods\r\nCustomValue_1=502.92\r\n");
    ASSERT_EQ(Match(QStringLiteral("2 rods to m")).value(0).text, QStringLiteral("10.0584 Meters"));
    WriteProfile(
        "[Settings]\r\nFormat=2\r\nPrecision=1\r\n"
        "[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Rods\r\nCustomValue_1=1000\r\n");
    EXPECT_EQ(Match(QStringLiteral("2 rods to m")).value(0).text, QStringLiteral("20.0 Meters"));
}

TEST(SearchBus, HostileQueriesGetNothingAndTheServiceStaysUp) {
    ASSERT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
    const uint pid = ServicePid();
    const QString queries[] = {
        QStringLiteral("5 km\x01\x02\x1b]0;x\a to mi"),
        QString(1 << 20, QLatin1Char('5')),
        QString::fromUtf8("5 \xff\xfe\xc3 to mi"),
        QString(2000, QLatin1Char(' ')) + QStringLiteral("5 km to mi"),
    };
    for (const QString& query : queries) {
        EXPECT_TRUE(Match(query).isEmpty()) << query.left(20).toStdString();
        EXPECT_TRUE(InitialResults(query.split(QLatin1Char(' '))).isEmpty());
    }
    EXPECT_EQ(ServicePid(), pid);
}

// A request for 300,000 metas (4 MB) once made a reply too large for the
// bus, and the service fell off it.
TEST(SearchBus, AHugeRequestForMetasLeavesTheServiceUp) {
    ASSERT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
    const uint pid = ServicePid();
    QStringList ids;
    for (int i = 0; i < 300'000; ++i) ids << QStringLiteral("13:10:14:%1").arg(i);
    EXPECT_EQ(Metas(ids).size(), MostResultMetas);
    EXPECT_EQ(ServicePid(), pid);
    EXPECT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
}

TEST(SearchBus, ASecondCopyLeavesTheBusToTheRunningOne) {
    ASSERT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
    const uint pid = ServicePid();
    QProcess second;
    second.start(qEnvironmentVariable("MEZURA_SEARCH_PREFIX") +
                     QStringLiteral("/libexec/mezura-search-provider"),
                 {});
    ASSERT_TRUE(second.waitForFinished(10'000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(ServicePid(), pid);
    EXPECT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
}

TEST(SearchBus, TheServiceEndsWhenIdleAndTheBusStartsItAgain) {
    ASSERT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
    ASSERT_TRUE(Running());
    // MEZURA_SEARCH_IDLE_MS is 2 s for this test.
    QDeadlineTimer deadline(10'000);
    while (Running() && !deadline.hasExpired()) QThread::msleep(100);
    EXPECT_FALSE(Running());
    EXPECT_FALSE(Match(QStringLiteral("1 m to cm")).isEmpty());
}

}  // namespace
