#include "setup/wizard_timer.h"

namespace vistrel {

namespace {

constexpr int kSurveyEveryTicks = 5;
constexpr int kPollEverySeconds = 3; // link tests of pages 1 and 9, WPS status of page 11
constexpr int kTestFailsAt = -2;     // pages 1, 7 and 9 count down to this
constexpr int kWpsFailsAt = -1;      // page 11 counts down to this
constexpr int kRediscoverAbove = 7;  // page 9 asks for the camera's address until then
constexpr int kCloudSeconds = 10;
constexpr int kLinkSeconds = 90;

bool multipleOf(int value, int divisor) {
    return value % divisor == 0;
}

// The address texts with the IP address replaced.
AddressTexts withIp(const AddressTexts& addresses, const std::string& ip) {
    AddressTexts texts = addresses;
    texts[0] = ip;
    return texts;
}

// One tick's steps. page follows the ShowPage of a step, so that later steps see it.
class TickSteps {
public:
    TickSteps(WizardState& state, const WizardTickInput& input)
        : s_(state), in_(input), page_(input.shownPage) {}

    WizardTick run() {
        repeatSurvey();
        linkTestWaiting();
        linkTestConfirmed();
        cloudTestWaiting();
        cloudTestConfirmed();
        manualTestWaiting();
        manualTestConfirmed();
        rediscoverCamera();
        wpsWaiting();
        wpsConfirmed();
        return std::move(out_);
    }

private:
    void send(WizardRequest request) { out_.requests.push_back(request); }

    // Counts the page's countdown down by one and returns the new value.
    int countDown(WizardPage page, int& seconds) {
        out_.countdown = Countdown{page, seconds};
        return --seconds;
    }

    void showNextPage(CloudTestEnd end) {
        page_ = end.nextPage;
        out_.cloudTestEnd = std::move(end);
        out_.stopTimer = true;
    }

    void endWait(WaitEnd end) {
        out_.waitEnd = std::move(end);
        out_.stopTimer = true;
    }

    WizardPage confirmedPage() const {
        return in_.wirelessModel ? WizardPage::Wireless : WizardPage::Wire;
    }

    void repeatSurvey() {
        if (s_.SurveyReceived) {
            return;
        }
        if (multipleOf(s_.SurveyTicks, kSurveyEveryTicks)) {
            send(WizardRequest::Survey);
        }
        ++s_.SurveyTicks;
    }

    void linkTestWaiting() {
        if (page_ != WizardPage::Test || s_.LinkSeconds < kTestFailsAt || s_.LinkConfirmed) {
            return;
        }
        const int left = countDown(WizardPage::Test, s_.LinkSeconds);
        send(WizardRequest::LinkTest);
        if (left == kTestFailsAt) {
            endWait({WizardPage::Test,
                     false,
                     {{language_keys::kLinkNotDetected, {}}, {"TntButton_T10_Retry", "?"}, {}},
                     {"TntButton_T10_Retry", {}}});
        }
    }

    void linkTestConfirmed() {
        if (page_ != WizardPage::Test || s_.LinkSeconds < kTestFailsAt || !s_.LinkConfirmed) {
            return;
        }
        endWait({WizardPage::Test,
                 true,
                 {{language_keys::kLinkDetected, {}}, {"TntLabel_T7_2", {}}, {"TntLabel_T7_3", {}}},
                 {"TntButton_T3_Next", {}}});
    }

    void cloudTestWaiting() {
        if (page_ != WizardPage::Dhcp || s_.CloudSeconds < kTestFailsAt || s_.CloudConfirmed) {
            return;
        }
        const int left = countDown(WizardPage::Dhcp, s_.CloudSeconds);
        if (multipleOf(left, kPollEverySeconds)) {
            send(WizardRequest::LinkTest);
        }
        if (left == kTestFailsAt) {
            showNextPage({WizardPage::CloudFailed, in_.dhcpAddresses, in_.dhcpAddresses, true});
        }
    }

    void cloudTestConfirmed() {
        if (page_ != WizardPage::Dhcp || s_.CloudSeconds < kTestFailsAt || !s_.CloudConfirmed) {
            return;
        }
        s_.CloudConfirmed = false;
        showNextPage({confirmedPage(), in_.dhcpAddresses, std::nullopt, false});
    }

    void manualTestWaiting() {
        if (page_ != WizardPage::ManualConfig || s_.ManualSeconds < kTestFailsAt ||
            s_.ManualConfirmed) {
            return;
        }
        const int left = countDown(WizardPage::ManualConfig, s_.ManualSeconds);
        if (multipleOf(left, kPollEverySeconds)) {
            send(WizardRequest::LinkTest);
        }
        if (left == kTestFailsAt) {
            showNextPage({WizardPage::CloudFailed, withIp(in_.fixedAddresses, in_.cameraAddress),
                          withIp(in_.fixedAddresses, in_.cameraIpText), false});
        }
    }

    void manualTestConfirmed() {
        if (page_ != WizardPage::ManualConfig || s_.ManualSeconds < kTestFailsAt ||
            !s_.ManualConfirmed) {
            return;
        }
        s_.ManualConfirmed = false;
        showNextPage(
            {confirmedPage(), withIp(in_.fixedAddresses, in_.cameraAddress), std::nullopt, false});
    }

    // The camera may answer at its new address only: its discovery answers tell where it is.
    void rediscoverCamera() {
        if (page_ != WizardPage::ManualConfig || s_.ManualSeconds <= kRediscoverAbove ||
            s_.ManualConfirmed) {
            return;
        }
        out_.trackCameraAddress = true;
        if (multipleOf(s_.ManualSeconds, 2)) {
            send(WizardRequest::Discovery);
        }
    }

    void wpsWaiting() {
        if (page_ != WizardPage::WpsSetup || s_.WpsSeconds < kWpsFailsAt || s_.WpsConfirmed) {
            return;
        }
        const int left = countDown(WizardPage::WpsSetup, s_.WpsSeconds);
        if (multipleOf(left, kPollEverySeconds)) {
            send(WizardRequest::WpsStatus);
        }
        if (left == kWpsFailsAt) {
            s_.WpsSucceeded = false;
            endWait({WizardPage::WpsSetup,
                     false,
                     {{language_keys::kWpsFailed, {}}, {"TntButton_T10_Retry", "?"}},
                     {"TntButton_T10_Retry", {}}});
        }
    }

    void wpsConfirmed() {
        if (page_ != WizardPage::WpsSetup || s_.WpsSeconds < kTestFailsAt || !s_.WpsConfirmed) {
            return;
        }
        s_.WpsConfirmed = false;
        s_.WpsSucceeded = true;
        endWait({WizardPage::WpsSetup,
                 true,
                 {{language_keys::kWpsConnected, {}}, {"TntLabel_T11_2", {}}},
                 {"TntButton_T3_Next", {}}});
    }

    WizardState& s_;
    const WizardTickInput& in_;
    WizardPage page_;
    WizardTick out_;
};

} // namespace

WizardTick wizardTick(WizardState& state, const WizardTickInput& input) {
    return TickSteps(state, input).run();
}

Countdown startCloudTest(WizardState& state) {
    state.CloudConfirmed = false;
    state.CloudSeconds = kCloudSeconds;
    return {WizardPage::Dhcp, kCloudSeconds};
}

LinkTestNext linkTestNext(WizardState& state, bool testEnded) {
    state.LinkSeconds = kLinkSeconds;
    LinkTestNext next;
    if (state.LinkConfirmed) {
        next.showPage = WizardPage::Name;
    } else if (testEnded) {
        next.showPage = WizardPage::RePlugIn;
    }
    state.LinkConfirmed = false;
    return next;
}

} // namespace vistrel
