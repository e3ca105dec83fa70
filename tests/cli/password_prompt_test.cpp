#include "cli/password_prompt.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vistrel {
namespace {

// A terminal that answers from a script and notes what it was asked.
class ScriptedTerminal : public PasswordTerminal {
public:
    struct Reply {
        Answer answer;
        const char* text;
    };

    explicit ScriptedTerminal(std::vector<Reply> replies) : replies_(std::move(replies)) {}

    Answer ask(std::string_view prompt, SecretText& answer) override {
        prompts.emplace_back(prompt);
        if (replies_.empty()) {
            return Answer::NoTerminal;
        }
        const Reply reply = replies_.front();
        replies_.erase(replies_.begin());
        answer = SecretText(reply.text);
        return reply.answer;
    }

    std::vector<std::string> prompts;

private:
    std::vector<Reply> replies_;
};

constexpr auto kEntered = PasswordTerminal::Answer::Entered;
constexpr auto kEnded = PasswordTerminal::Answer::Ended;
constexpr const char* kMac = "02:56:49:00:01:0a";

struct Environment {
    std::map<std::string, std::string> variables;

    std::function<const char*(const char*)> lookup() const {
        return [this](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
    }
};

TEST(PasswordSources, TheEnvironmentSparesTheQuestionEvenWhenEmpty) {
    for (const char* value : {"pine&cone", ""}) {
        Environment environment{{{"VISTREL_PASSWORD", value}, {"VISTREL_NEW_PASSWORD", value}}};
        ScriptedTerminal terminal({{kEntered, "typed"}});
        const PasswordSources sources{environment.lookup(), terminal};

        const PasswordOutcome current = currentPassword(sources, kMac);
        ASSERT_TRUE(current.obtained());
        EXPECT_EQ(current.password.text(), value);
        const PasswordOutcome fresh = newPassword(sources);
        ASSERT_TRUE(fresh.obtained());
        EXPECT_EQ(fresh.password.text(), value);
        EXPECT_EQ(fresh.confirmation.text(), value);
        EXPECT_TRUE(terminal.prompts.empty());
    }
}

TEST(PasswordSources, TheTerminalIsAskedOnceForTheCurrentAndTwiceForTheNewPassword) {
    Environment environment;
    ScriptedTerminal terminal(
        {{kEntered, "old-one"}, {kEntered, "new-one"}, {kEntered, "new-0ne"}});
    const PasswordSources sources{environment.lookup(), terminal};

    const PasswordOutcome current = currentPassword(sources, kMac);
    ASSERT_TRUE(current.obtained());
    EXPECT_EQ(current.password.text(), "old-one");
    ASSERT_EQ(terminal.prompts.size(), 1u);
    EXPECT_NE(terminal.prompts[0].find(kMac), std::string::npos);

    // The repetition is kept as typed: the settings check compares the two.
    const PasswordOutcome fresh = newPassword(sources);
    ASSERT_TRUE(fresh.obtained());
    EXPECT_EQ(fresh.password.text(), "new-one");
    EXPECT_EQ(fresh.confirmation.text(), "new-0ne");
    EXPECT_EQ(terminal.prompts.size(), 3u);
}

TEST(PasswordSources, NoTerminalAndNoVariableIsAnErrorThatNamesTheVariable) {
    Environment environment;
    ScriptedTerminal terminal({});
    const PasswordSources sources{environment.lookup(), terminal};

    const PasswordOutcome current = currentPassword(sources, kMac);
    EXPECT_FALSE(current.obtained());
    EXPECT_NE(current.error.find("VISTREL_PASSWORD"), std::string::npos) << current.error;
    const PasswordOutcome fresh = newPassword(sources);
    EXPECT_FALSE(fresh.obtained());
    EXPECT_NE(fresh.error.find("VISTREL_NEW_PASSWORD"), std::string::npos) << fresh.error;
}

TEST(PasswordSources, InputThatEndsBeforeALineIsAnError) {
    Environment environment;
    ScriptedTerminal ended({{kEnded, ""}});
    EXPECT_FALSE(currentPassword({environment.lookup(), ended}, kMac).obtained());

    ScriptedTerminal endedAtTheRepetition({{kEntered, "new-one"}, {kEnded, ""}});
    const PasswordOutcome fresh = newPassword({environment.lookup(), endedAtTheRepetition});
    EXPECT_FALSE(fresh.obtained());
    EXPECT_EQ(endedAtTheRepetition.prompts.size(), 2u);
}

TEST(SecretText, MovesItsTextAlong) {
    SecretText first("pine&cone");
    SecretText second(std::move(first));
    EXPECT_EQ(second.text(), "pine&cone");
    SecretText third;
    third = std::move(second);
    EXPECT_EQ(third.text(), "pine&cone");
    EXPECT_TRUE(SecretText().empty());
}

} // namespace
} // namespace vistrel
