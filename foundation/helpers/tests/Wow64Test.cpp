#include "foundation/helpers/Wow64.h"
#include "platform/sim/SimSystemInfo.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(Wow64, AnswersTheQueryAndFalseWithoutIt) {
    sim::CSimSystemInfo system;
    EXPECT_FALSE(IsWow64(system));
    system.SetWow64(true);
    EXPECT_TRUE(IsWow64(system));
    system.SetWow64Fails(true);
    EXPECT_FALSE(IsWow64(system));
    system.SetWow64Fails(false);
    system.SetWow64Missing(true);
    EXPECT_FALSE(IsWow64(system));
}

TEST(Wow64, DisableThenRevertRestoresRedirection) {
    sim::CSimSystemInfo system;
    system.SetWow64(true);
    void* saved = nullptr;
    ASSERT_TRUE(DisableFsRedirection(system, saved));
    EXPECT_TRUE(system.RedirectionDisabled());
    ASSERT_TRUE(RevertFsRedirection(system, saved));
    EXPECT_FALSE(system.RedirectionDisabled());

    const auto& calls = system.RedirectionCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0].disable);
    EXPECT_FALSE(calls[1].disable);
    EXPECT_EQ(calls[1].value, saved);
}

TEST(Wow64, RedirectionCallsFailOutsideWow64AndWhenMissing) {
    sim::CSimSystemInfo native;
    void* saved = nullptr;
    EXPECT_FALSE(DisableFsRedirection(native, saved));
    EXPECT_FALSE(RevertFsRedirection(native, saved));
    EXPECT_EQ(native.RedirectionCalls().size(), 2u);

    sim::CSimSystemInfo old;
    old.SetWow64(true);
    old.SetRedirectionMissing(true);
    EXPECT_FALSE(DisableFsRedirection(old, saved));
    EXPECT_FALSE(RevertFsRedirection(old, saved));
    EXPECT_FALSE(old.RedirectionDisabled());
    EXPECT_TRUE(old.RedirectionCalls().empty());
}

} // namespace
} // namespace tonvel
