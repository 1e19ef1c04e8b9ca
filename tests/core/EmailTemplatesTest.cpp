// Template files: read back byte for byte, written whole, failures named.

#include "core/EmailTemplates.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

class EmailTemplatesTest : public ::testing::Test {
protected:
    EmailTemplatesTest() { data.dataFolder().CreateAsFolder(); }
    TempDataFolder data;
};

TEST_F(EmailTemplatesTest, SavedTextReadsBackUnchanged) {
    const std::string texts[] = {
        "",
        "Dear member,\nthank you.",  // no line end at the end, and none added
        "Two lines\r\nkept as they are\r\n",
        "Grüße, Ørsted — ¿qué? 日本",
        "Ends in blanks   ",
    };
    for (const std::string& text : texts) {
        ASSERT_EQ(SaveEmailTemplate(data.dataFolder(), kRenewalTemplate, text), std::nullopt);
        EXPECT_EQ(data.read("membDueText"), text);
        EXPECT_EQ(LoadEmailTemplate(data.dataFolder(), kRenewalTemplate), text);
    }
    // No byte-order mark.
    SaveEmailTemplate(data.dataFolder(), kWelcomeTemplate, "é");
    EXPECT_EQ(data.read("membWelcomeText"), "\xC3\xA9");
}

TEST_F(EmailTemplatesTest, MissingOrUnreadableTemplatesAreEmpty) {
    EXPECT_EQ(LoadEmailTemplate(data.dataFolder(), kPaymentTemplate), "");
    // A folder where the file should be.
    data.dataFolder().Child("PaymentRecText").CreateAsFolder();
    EXPECT_EQ(LoadEmailTemplate(data.dataFolder(), kPaymentTemplate), "");
    EXPECT_EQ(LoadEmailTemplate(FolderItem(), kPaymentTemplate), "");
}

TEST_F(EmailTemplatesTest, AFailedSaveSaysWhy) {
    // A folder in the file's place can't be replaced by a file, not even by root.
    data.dataFolder().Child("membDueText").CreateAsFolder();
    data.write("membDueText/kept", "old");
    const std::optional<std::string> failure =
        SaveEmailTemplate(data.dataFolder(), kRenewalTemplate, "new text");
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(data.read("membDueText/kept"), "old");

    EXPECT_TRUE(SaveEmailTemplate(FolderItem(), kRenewalTemplate, "text"));
}

}  // namespace
