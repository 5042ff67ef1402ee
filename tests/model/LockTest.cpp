#include "model/Document.h"
#include "model/Lock.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::ScriptedDialogs;

TEST(Md5, KnownDigestsInLowerCaseHex)
{
    // The test suite of RFC 1321 and a text with a byte above 127.
    const std::pair<std::string, std::string> cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        {std::string("\xff", 1), "00594fd4f42ba43fc1ca0427a0576295"},
    };
    for (const auto& [text, digest] : cases)
        EXPECT_EQ(md5Hex(text), digest) << text;
}

struct LockFixture : ::testing::Test {
    Document doc;
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 4, 4, false);
    ScriptedDialogs dialogs;
    PasswordKeeper keeper;
    std::vector<std::string> messages;
    LockMessage message = [this](const std::string& text) { messages.push_back(text); };
};

TEST_F(LockFixture, LockingStoresTheDigestNeverThePassword)
{
    dialogs.passwords = {"geheim", "geheim"};
    ASSERT_TRUE(keeper.lock(*macro, dialogs, message));
    EXPECT_EQ(macro->lock, md5Hex("geheim"));
    EXPECT_EQ(macro->lock.size(), 32u);
    EXPECT_EQ(macro->lock.find("geheim"), std::string::npos);
    EXPECT_EQ(keeper.remembered(), "geheim");
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"password:Verriegeln|bitte Password eingeben |",
                                                       "password:Verriegeln|gleiches Password nochmal eingeben |"}));
    EXPECT_TRUE(messages.empty());

    // The next lock offers the remembered password in both questions.
    TKiste* automat = doc.createBlock(188, 0, 0, 1, 20, 4, false);
    dialogs.asked.clear();
    dialogs.passwords = {"geheim", "geheim"};
    ASSERT_TRUE(keeper.lock(*automat, dialogs, message));
    EXPECT_EQ(dialogs.asked[0], "password:Verriegeln|bitte Password eingeben |geheim");
    EXPECT_EQ(dialogs.asked[1], "password:Verriegeln|gleiches Password nochmal eingeben |geheim");
}

TEST_F(LockFixture, FaultyOrCancelledEntriesLeaveTheLockAsItWas)
{
    macro->lock = md5Hex("alt");
    struct Case {
        std::optional<std::string> first;
        std::optional<std::string> second;
        bool message;
    };
    const Case cases[] = {
        {"eins", "zwei", true},          // entries differ
        {"", "", true},                  // empty password
        {std::nullopt, "egal", false},   // first question cancelled
        {"eins", std::nullopt, false},   // second question cancelled
    };
    for (const Case& c : cases) {
        messages.clear();
        dialogs.passwords = {c.first, c.second};
        EXPECT_FALSE(keeper.lock(*macro, dialogs, message));
        EXPECT_EQ(macro->lock, md5Hex("alt"));
        EXPECT_EQ(keeper.remembered(), "");
        EXPECT_EQ(messages, c.message ? std::vector<std::string>{"Eingabefehler..nicht Verriegelt!"}
                                      : std::vector<std::string>{});
    }
}

TEST_F(LockFixture, AccessAsksOnceAndRemembersTheRightPassword)
{
    EXPECT_TRUE(keeper.accessAllowed(*macro, dialogs, true, message)); // unlocked: no question
    EXPECT_TRUE(dialogs.asked.empty());

    macro->lock = md5Hex("abc");
    dialogs.passwords = {"falsch"};
    EXPECT_FALSE(keeper.accessAllowed(*macro, dialogs, true, message));
    EXPECT_EQ(messages, std::vector<std::string>{"ungueltiges Password"});
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{"password:Verriegelt..|bitte Password eingeben |"});

    dialogs.passwords = {"falsch"};
    EXPECT_FALSE(keeper.accessAllowed(*macro, dialogs, false, message)); // no report
    dialogs.passwords = {std::nullopt};
    EXPECT_FALSE(keeper.accessAllowed(*macro, dialogs, true, message)); // cancel: silent
    EXPECT_EQ(messages.size(), 1u);

    dialogs.passwords = {"abc"};
    EXPECT_TRUE(keeper.accessAllowed(*macro, dialogs, true, message));
    EXPECT_EQ(keeper.remembered(), "abc");
    const std::size_t questions = dialogs.asked.size();
    EXPECT_TRUE(keeper.accessAllowed(*macro, dialogs, true, message)); // not asked again
    EXPECT_EQ(dialogs.asked.size(), questions);

    // A new run of the program has forgotten the password.
    PasswordKeeper restarted;
    EXPECT_FALSE(restarted.accessAllowed(*macro, dialogs, false, message));
    EXPECT_EQ(dialogs.asked.size(), questions + 1);
}

TEST_F(LockFixture, UnlockNeedsThePasswordAndNeverReports)
{
    macro->lock = md5Hex("abc");
    dialogs.passwords = {"abd"};
    EXPECT_FALSE(keeper.unlock(*macro, dialogs));
    EXPECT_EQ(macro->lock, "900150983cd24fb0d6963f7d28e17f72");
    dialogs.passwords = {"abc"};
    EXPECT_TRUE(keeper.unlock(*macro, dialogs));
    EXPECT_TRUE(macro->lock.empty());
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace fup
