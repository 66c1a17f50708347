#include "foundation/helpers/ResourceBytes.h"
#include "platform/sim/SimResources.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(ResourceBytes, FindsByIdAndTypeName) {
    sim::CSimResources resources;
    resources.AddResource(107, u"APP", {1, 2, 3, 4});
    resources.AddResource(108, u"APP", {9});
    uint32_t size = 0;
    const uint8_t* bytes = LoadResourceBytes(resources, 107, u"app", size);
    ASSERT_NE(bytes, nullptr);
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + size), (std::vector<uint8_t>{1, 2, 3, 4}));
    // The same bytes on a second load: nothing is freed.
    EXPECT_EQ(LoadResourceBytes(resources, 107, u"APP", size), bytes);
}

TEST(ResourceBytes, GivesNoPointerOnEveryFailure) {
    sim::CSimResources resources;
    resources.AddResource(107, u"APP", {1, 2});
    resources.AddResource(110, u"EMPTY", {});
    uint32_t size = 55;
    EXPECT_EQ(LoadResourceBytes(resources, 106, u"APP", size), nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(LoadResourceBytes(resources, 107, u"SYS", size), nullptr);
    EXPECT_EQ(LoadResourceBytes(resources, 110, u"EMPTY", size), nullptr);
    resources.SetLoadFails(true);
    size = 55;
    EXPECT_EQ(LoadResourceBytes(resources, 107, u"APP", size), nullptr);
    EXPECT_EQ(size, 0u);
}

} // namespace
} // namespace tonvel
