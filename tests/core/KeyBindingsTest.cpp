// Accelerator entries of a hand-edited list too long for 16-bit commands.
#include <gtest/gtest.h>

#include <vector>

#include "copykey/KeyBindings.h"

TEST(AccelEntries, KeysWhoseCommandWouldPass65535GetNoEntry) {
    EXPECT_EQ(28, AccelEntryCount(-4));
    CopyKeyList list = nullptr;  // missing records read as keys without a shortcut
    std::vector<AccelEntry> e(AccelEntryCount(30000));
    // Commands 45000 to 65535 for the first 20536 keys, then the built-in entries.
    ASSERT_EQ(20536 + 28, BuildAccelEntries(&list, 30000, e.data()));
    EXPECT_EQ(65535, e[20535].Command);
    EXPECT_EQ(41001, e[20536].Command);  // Esc, the first built-in key
}
