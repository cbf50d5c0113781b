#include "app/reported_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/settings_file.h"
#include "base/setting_names.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

TEST(ReportedSettings, TheFirstFailedWriteIsSaidOnceAndResultsStayTrue) {
    test::TempDir dir;
    const std::string path = dir.File("Vendarion.reg");
    ASSERT_TRUE(CreateSettingsFile(path));
    SettingsFile file(path);
    test::ScriptedMessages messages;
    ReportedSettings settings(file, messages);
    EXPECT_TRUE(Write(settings, setting::kDialVorwahl, "030"));
    EXPECT_TRUE(messages.Shown().empty());

    // The file gone (as a read-only folder or a full disk also make every write fail).
    const std::string kept = test::ReadFile(path);
    ASSERT_EQ(::unlink(path.c_str()), 0);
    EXPECT_FALSE(Write(settings, setting::kToolbar, 0));
    EXPECT_FALSE(Write(settings, setting::kPos, "1,2,3,4"));
    test::WriteFile(path, kept);
    ASSERT_EQ(messages.ShownIds(), std::vector<int>{1346});
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::kExclamation);
    EXPECT_NE(messages.Shown()[0].text.find("nicht gespeichert"), std::string::npos);
    EXPECT_EQ(Read(settings, setting::kDialVorwahl), "030");
    EXPECT_EQ(Read(settings, setting::kToolbar), 1);
}

}  // namespace
}  // namespace vendarion
