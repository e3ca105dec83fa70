#pragma once
// What the wizard's timer, its tests and the reply decoder share: flags set by received
// replies and read on the next tick, the countdowns of the test pages and the wireless request
// being built. The tracked camera address lives with the discovery decoding that updates it
// (CameraDiscovery), the wizard's language section with the other language state
// (LanguageState).

#include "protocol/reply_layouts.h"

namespace vistrel {

struct WizardState {
    bool SurveyReceived = false;  // a survey answer was listed or the survey left: ask no more
    bool CloudConfirmed = false;  // the camera confirmed its link during page 1's test
    bool ManualConfirmed = false; // the same during page 9's test
    bool LinkConfirmed = false;   // the same during page 7's test
    bool WpsConfirmed = false;    // the camera reported WPS success during page 11's wait
    bool AskBeforeClose = true;   // closing asks "Want_To_Leave" first
    bool SetupCompleted = false;  // page 5's OK ran; the next OK hands over to the preview
    bool WpsSucceeded = false;    // page 11's last attempt ended in success: Start goes on

    int SurveyTicks = 0;   // ticks counted while no survey answer has been listed
    int CloudSeconds = 0;  // page 1's countdown, started at 10
    int ManualSeconds = 0; // page 9's countdown, started at 30
    int LinkSeconds = 0;   // page 7's countdown, started at 90
    int WpsSeconds = 0;    // page 11's countdown, started at 120

    ::vistrel::WirelessRecord WirelessRecord{}; // the wireless settings request of page 6
};

} // namespace vistrel
