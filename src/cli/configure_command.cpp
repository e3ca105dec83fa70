#include "cli/configure_command.h"

#include "cli/camera_follow.h"
#include "cli/camera_session.h"
#include "cli/command_messages.h"
#include "cli/exit_codes.h"
#include "cli/named_camera.h"
#include "cli/panel_input.h"
#include "config/login_check.h"
#include "config/panel_opening.h"
#include "config/settings_confirmation.h"
#include "config/warning_keys.h"

namespace vistrel {

namespace {

struct Passwords {
    PasswordOutcome current;
    PasswordOutcome fresh; // --change-password: the new one and its repetition

    // The password the camera should take once it is back.
    const SecretText& expected(const CommandLine& line) const {
        return line.changes.changePassword ? fresh.password : current.password;
    }
};

// Every password is had before anything is sent, so that a missing one is a usage error.
bool obtainPasswords(const CommandLine& line, const PasswordSources& sources, Passwords& passwords,
                     QTextStream& err) {
    passwords.current = currentPassword(sources, line.mac);
    if (passwords.current.obtained() && line.changes.changePassword) {
        passwords.fresh = newPassword(sources);
    }
    for (const PasswordOutcome* outcome : {&passwords.current, &passwords.fresh}) {
        if (!outcome->obtained()) {
            reportError(err, QString::fromStdString(outcome->error));
            return false;
        }
    }
    return true;
}

// Configure sets the limits; the login dialog's password field takes no more than its
// limit, so a longer password cannot be the right one.
int logIn(CameraReading& reading, const SecretText& password, QTextStream& err) {
    const ConfigureResult opened = prepareConfigureLogin(reading.config, &reading.selectedRow());
    const int limit = opened.login.passwordMaxLength;
    if (characterCount(password.text()) > limit) {
        reportError(err, englishText(Warning::key(warning_keys::kWrongPassword)) +
                             QStringLiteral(" This camera takes passwords of at most %1 "
                                            "characters.")
                                 .arg(limit));
        return kExitAuthentication;
    }
    const LoginResult login = checkLoginPassword(reading.config, password.text());
    if (login.passed()) {
        return kExitDone;
    }
    reportError(err, *login.warning);
    return login.warning->text == warning_keys::kSettingsNotReceived ? kExitCameraUnreachable
                                                                     : kExitAuthentication;
}

// The options into the panel; a refusal is reported with the option it concerns.
bool typeEverything(CameraConfiguration& config, const CommandLine& line,
                    const Passwords& passwords, QTextStream& err) {
    InputResult result = typeChanges(config, line.changes);
    if (result.passed() && line.changes.changePassword) {
        result = {
            typeNewPassword(config.panel, passwords.fresh.password, passwords.fresh.confirmation),
            "--change-password"};
    }
    if (!result.passed()) {
        reportError(err, QString::fromLatin1(result.option.data(),
                                             static_cast<qsizetype>(result.option.size())) +
                             QStringLiteral(": ") + englishText(*result.check.warning));
    }
    return result.passed();
}

int reportFollowing(const FollowResult& followed, const CommandLine& line, QTextStream& out,
                    QTextStream& err) {
    const QString seconds = QString::number(line.waitMilliseconds / 1000.0);
    switch (followed.outcome) {
    case FollowOutcome::CameBack:
        break;
    case FollowOutcome::CameBackOtherwise: {
        QStringList differences;
        for (const std::string& difference : followed.differences) {
            differences << QString::fromLocal8Bit(difference.c_str());
        }
        reportError(err, QStringLiteral("the camera came back with other settings: ") +
                             differences.join(QStringLiteral("; ")));
        break;
    }
    case FollowOutcome::AnsweredWithoutSettings:
        reportError(
            err,
            QStringLiteral("the camera answered but sent no settings within %1 s").arg(seconds));
        break;
    case FollowOutcome::Lost:
        reportError(err, QStringLiteral("the camera did not come back within %1 s").arg(seconds));
        return kExitNotConfirmed;
    }
    out << (line.json ? QString::fromUtf8(formatWhereaboutsJson(followed.whereabouts))
                      : formatWhereaboutsText(followed.whereabouts));
    out.flush();
    return followed.outcome == FollowOutcome::CameBack ? kExitDone : kExitNotConfirmed;
}

// From the login to the request: nothing is sent unless every check passed.
int sendSettings(CameraSession& session, CameraReading& reading, const CommandLine& line,
                 const Passwords& passwords, RequestedSettings& asked, QTextStream& err) {
    if (const int status = logIn(reading, passwords.current.password, err); status != kExitDone) {
        return status;
    }
    CameraConfiguration& config = reading.config;
    LoadPanelFromCamera(config);
    if (!typeEverything(config, line, passwords, err)) {
        return kExitCheckRefused;
    }
    asked = requestedSettingsOf(config);
    const ConfirmResult confirmed =
        Image_Settings_OKClick(config, passwords.current.password.text(), true);
    if (confirmed.status == ConfirmStatus::Refused) {
        reportError(err, *confirmed.warning);
        return kExitCheckRefused;
    }
    if (confirmed.status == ConfirmStatus::NotBuilt) {
        reportError(err,
                    QStringLiteral("the settings do not fit into a request; nothing was sent"));
        return kExitCheckRefused;
    }
    session.sender().SendDatagram(confirmed.datagram);
    return kExitDone;
}

} // namespace

int runConfigure(const CommandLine& line, const PasswordSources& sources, QTextStream& out,
                 QTextStream& err) {
    Passwords passwords;
    if (!obtainPasswords(line, sources, passwords, err)) {
        return kExitUsage;
    }
    CameraSession session(line.interfaceNames);
    CameraReading reading(session.sender());
    if (const int status =
            readNamedCamera(session, reading, line, QDeadlineTimer(line.waitMilliseconds), err);
        status != kExitDone) {
        return status;
    }
    RequestedSettings asked;
    if (const int status = sendSettings(session, reading, line, passwords, asked, err);
        status != kExitDone) {
        return status;
    }
    // The confirm operation searches again straight after sending; the following does.
    const FollowResult followed =
        followCamera(session, line.mac, asked, passwords.expected(line).text(),
                     QDeadlineTimer(line.waitMilliseconds));
    return reportFollowing(followed, line, out, err);
}

} // namespace vistrel
