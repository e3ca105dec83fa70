#include "shell/message_windows/setup_hand_over.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

// Records every call in order, so that a test sees what ran and when.
class RecordingHost : public SetupHandOver {
public:
    std::vector<std::string> log;
    bool dhcpFailed = false;
    bool setupCompleted = false;
    bool cameraAnswers = true;

    void enableMainWindow() override { log.emplace_back("enable"); }
    void disableMainWindow() override { log.emplace_back("disable"); }
    void giveWizardStayOnTop() override { log.emplace_back("stay-on-top"); }
    void showWizard() override { log.emplace_back("show wizard"); }
    bool& DhcpFailed() override { return dhcpFailed; }
    bool& SetupCompleted() override { return setupCompleted; }
    void StartPreviewAfterSetup(bool withReachabilityCheck,
                                const std::function<void()>& closeWindow) override {
        log.emplace_back(std::string(withReachabilityCheck ? "hand-over checked" : "hand-over") +
                         (setupCompleted ? " (flag still set)" : ""));
        if (cameraAnswers || !withReachabilityCheck) {
            closeWindow();
        }
    }
};

struct OkCase {
    const char* name;
    bool dhcpFailed;
    bool setupCompleted;
    bool cameraAnswers;
    bool withReachabilityCheck;
    std::vector<std::string> expectedLog;
};

class ConfirmSetupMessageTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(ConfirmSetupMessageTest, RunsTheStepsInOrderAndClearsTheFlags) {
    const OkCase& c = GetParam();
    RecordingHost host;
    host.dhcpFailed = c.dhcpFailed;
    host.setupCompleted = c.setupCompleted;
    host.cameraAnswers = c.cameraAnswers;

    ConfirmSetupMessage(host, c.withReachabilityCheck, [&host] { host.log.emplace_back("close"); });

    EXPECT_EQ(host.log, c.expectedLog);
    EXPECT_FALSE(host.dhcpFailed);
    EXPECT_FALSE(host.setupCompleted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfirmSetupMessageTest,
    ::testing::Values(
        OkCase{"PlainMessage", false, false, true, true, {"enable", "stay-on-top", "close"}},
        OkCase{"DhcpFailure",
               true,
               false,
               true,
               true,
               {"enable", "stay-on-top", "close", "show wizard", "close"}},
        OkCase{"AfterSetupCameraAnswers",
               false,
               true,
               true,
               true,
               {"enable", "stay-on-top", "hand-over checked", "close"}},
        OkCase{"AfterSetupCameraSilentKeepsWindowOpen",
               false,
               true,
               false,
               true,
               {"enable", "stay-on-top", "hand-over checked"}},
        OkCase{"FinishWindowHandsOverWithoutCheck",
               false,
               true,
               false,
               false,
               {"enable", "stay-on-top", "hand-over", "close"}},
        OkCase{"DhcpFailureAndSetupCompleted",
               true,
               true,
               true,
               true,
               {"enable", "stay-on-top", "close", "show wizard", "hand-over checked", "close"}}),
    [](const ::testing::TestParamInfo<OkCase>& info) { return std::string(info.param.name); });

TEST(ConfirmSetupMessage, SecondOkAfterRefusedHandOverOnlyCloses) {
    RecordingHost host;
    host.setupCompleted = true;
    host.cameraAnswers = false;
    int closes = 0;
    const auto close = [&closes] { ++closes; };

    ConfirmSetupMessage(host, true, close);
    EXPECT_EQ(closes, 0);
    ConfirmSetupMessage(host, true, close);

    EXPECT_EQ(closes, 1);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "hand-over checked"), 1);
}

} // namespace
} // namespace vistrel
