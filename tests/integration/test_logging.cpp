// Failures a step swallows, and libmpv's own warnings, reach the logging
// categories of their services, and only when switched on.

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/Logging.h"

namespace rw {
namespace {

std::vector<std::pair<QString, QString>> messages;  // category, text

void Capture(QtMsgType, const QMessageLogContext& context, const QString& text) {
    messages.emplace_back(QString::fromUtf8(context.category), text);
}

class LoggingTest : public testing::Test {
  protected:
    void SetUp() override {
        messages.clear();
        previous_ = qInstallMessageHandler(&Capture);
        InstallFailureLogging();
    }
    void TearDown() override {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
        SetFailureSink(nullptr);
    }
    static bool Logged(const char* category, const char* text) {
        for (const auto& [c, t] : messages)
            if (c == QLatin1String(category) && t.contains(QLatin1String(text))) return true;
        return false;
    }

  private:
    QtMessageHandler previous_ = nullptr;
};

TEST_F(LoggingTest, SilentUnlessSwitchedOn) {
    Step([] { throw PlatformError(Service::Window, "the window did not resize"); });
    EXPECT_TRUE(messages.empty());
}

TEST_F(LoggingTest, EachServiceHasItsCategory) {
    QLoggingCategory::setFilterRules(QStringLiteral("reelwick.*=true"));
    const std::pair<Service, const char*> cases[] = {
        {Service::Window, "reelwick.window"},     {Service::Player, "reelwick.player"},
        {Service::Settings, "reelwick.settings"}, {Service::Files, "reelwick.files"},
        {Service::Dialogs, "reelwick.dialogs"},   {Service::Shell, "reelwick.shell"},
        {Service::Desktop, "reelwick.desktop"},   {Service::Logic, "reelwick.logic"},
    };
    for (const auto& [service, category] : cases) {
        Step([service] { throw PlatformError(service, "refused here"); });
        EXPECT_TRUE(Logged(category, "refused here")) << category;
    }
    EXPECT_EQ(messages.size(), std::size(cases));
}

TEST_F(LoggingTest, OneCategoryAlone) {
    QLoggingCategory::setFilterRules(QStringLiteral("reelwick.player.warning=true"));
    Step([] { throw PlatformError(Service::Window, "not this one"); });
    Step([] { throw PlatformError(Service::Player, "no movie is loaded"); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Logged("reelwick.player", "no movie is loaded"));
}

TEST_F(LoggingTest, LibmpvWarningsGoToTheirCategory) {
    if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is needed to make the test clips";
    QLoggingCategory::setFilterRules(QStringLiteral("reelwick.mpv.warning=true"));
    auto player = std::make_unique<MpvPlayer>(QImage());
    player->SetLoadTimeout(5000);
    Step([&] { player->Load(test::ClipPath(test::Clip::Corrupt)); });
    EXPECT_TRUE(QTest::qWaitFor([] { return !messages.empty(); }, 5000));
    for (const auto& [category, text] : messages)
        EXPECT_EQ(category.toStdString(), "reelwick.mpv") << text.toStdString();
}

}  // namespace
}  // namespace rw
