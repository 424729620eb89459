#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <string>

#if defined(REELWICK_LEAK_CHECK)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// A test that skips itself says why in one line of its own, which
// scripts/test.sh gathers from the log: a skip is not a pass.
class SkipReasons final : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const ::testing::TestResult& result = *test.result();
        if (!result.Skipped()) return;
        std::string reason;
        for (int i = 0; i < result.total_part_count() && reason.empty(); ++i) {
            if (result.GetTestPartResult(i).skipped())
                reason = result.GetTestPartResult(i).message();
        }
        if (reason.rfind("Skipped\n", 0) == 0) reason.erase(0, 8);
        reason = reason.substr(0, reason.find('\n'));
        std::printf("skipped: %s.%s: %s\n", test.test_suite_name(), test.name(),
                    reason.empty() ? "no reason" : reason.c_str());
    }
};

// The status ctest counts as skipped (SKIP_RETURN_CODE) for a program run
// as one test whose every test skipped itself.
constexpr int kAllSkipped = 77;

}  // namespace

// One QApplication for the whole test program, as in the real one.
int main(int argc, char** argv) {
    // The software renderer needs no display server; a test that wants a real
    // one sets QT_QPA_PLATFORM itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SkipReasons);
    const int result = RUN_ALL_TESTS();
#if defined(REELWICK_LEAK_CHECK)
    // Leaks are looked for now, while the OpenGL driver Qt loaded is still
    // there to be named in a report: it is unloaded with the application
    // object. Memory the application still holds is not a leak.
    __lsan_do_leak_check();
#endif
    const auto& run = *::testing::UnitTest::GetInstance();
    if (result == 0 && run.test_to_run_count() > 0 &&
        run.skipped_test_count() == run.test_to_run_count()) {
        return kAllSkipped;
    }
    return result;
}
