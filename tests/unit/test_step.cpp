#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Step.h"

namespace rw {
namespace {

struct Report {
    Service service;
    std::string what;
};
std::vector<Report> reports;

void Record(Service service, const char* what) noexcept { reports.push_back({service, what}); }

class StepTest : public testing::Test {
  protected:
    void SetUp() override {
        reports.clear();
        SetFailureSink(&Record);
    }
    void TearDown() override { SetFailureSink(nullptr); }
};

TEST_F(StepTest, EachSwallowedFailureIsReportedOnceWithItsService) {
    EXPECT_TRUE(Step([] {}));
    EXPECT_FALSE(Step([] { throw PlatformError(Service::Player, "no movie is loaded"); }));
    EXPECT_FALSE(Step([] { throw PlatformError(Service::Settings, "not writable"); }));
    EXPECT_FALSE(Step([] { (void)std::optional<int>().value(); }));
    EXPECT_FALSE(Step([] { throw 42; }));
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].service, Service::Player);
    EXPECT_EQ(reports[0].what, "no movie is loaded");
    EXPECT_EQ(reports[1].service, Service::Settings);
    EXPECT_EQ(reports[2].service, Service::Logic) << "a standard exception is the logic's own";
    EXPECT_EQ(reports[3].service, Service::Logic);
    EXPECT_EQ(reports[3].what, "unknown failure");
}

TEST_F(StepTest, NestedStepsReportOnlyWhatTheySwallow) {
    const bool outer = Step([] {
        Step([] { throw PlatformError(Service::Window, "inner"); });
        throw PlatformError(Service::Files, "outer");
    });
    EXPECT_FALSE(outer);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].what, "inner");
    EXPECT_EQ(reports[1].what, "outer");
}

TEST_F(StepTest, WithoutASinkFailuresAreStillSwallowed) {
    SetFailureSink(nullptr);
    EXPECT_FALSE(Step([] { throw PlatformError(Service::Window, "quiet"); }));
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace rw
