#include "device/FilterChannel.h"
#include "platform/sim/SimFilterDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace tonvel {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(FilterChannelTest, EightByteRequestsSendTheirBuffersByteForByte) {
    sim::CSimFilterDriver driver;
    driver.SetGeneralReply(0xCAFEBABE);
    driver.SetStateReply(0x00000007);

    uint32_t value = 0x11223344;
    EXPECT_EQ(DriverGeneralRequest(driver, 0x0203, value), 0);
    EXPECT_EQ(value, 0xCAFEBABE);
    EXPECT_EQ(DriverSelectEffect(driver, 2), 0);
    uint32_t state = 0;
    EXPECT_EQ(DriverQueryState(driver, state), 0);
    EXPECT_EQ(state, 7u);

    const auto& requests = driver.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].Code, 0x223028u);
    EXPECT_EQ(requests[0].Input, (Bytes{0x01, 0x00, 0x03, 0x02, 0x44, 0x33, 0x22, 0x11}));
    EXPECT_EQ(requests[1].Code, 0x2230F0u);
    EXPECT_EQ(requests[1].Input, (Bytes{0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(requests[2].Code, 0x223190u);
    EXPECT_EQ(requests[2].Input, (Bytes{0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    for (const auto& r : requests) {
        EXPECT_EQ(r.OutputSize, 8u);
    }
    EXPECT_EQ(driver.OpenCount(), 3u);
    EXPECT_EQ(driver.OpenHandleCount(), 0u);
}

TEST(FilterChannelTest, VirtualSpeakerBlockIsSeventyTwoLittleEndianBytes) {
    sim::CSimFilterDriver driver;
    VirtualSpeakerParameters parameters{};
    for (size_t i = 0; i < parameters.size(); ++i) {
        parameters[i] = 0.5f * static_cast<float>(i) - 1.0f;
    }
    EXPECT_EQ(DriverSetVirtualSpeakers(driver, 1, parameters), 0);
    ASSERT_EQ(driver.Requests().size(), 1u);
    const auto& request = driver.Requests()[0];
    EXPECT_EQ(request.Code, 0x223140u);
    EXPECT_EQ(request.OutputSize, 0u);
    ASSERT_EQ(request.Input.size(), 72u);
    EXPECT_EQ(Bytes(request.Input.begin(), request.Input.begin() + 8), (Bytes{0, 0, 0, 0, 1, 0, 0, 0}));
    for (size_t i = 0; i < 16; ++i) {
        uint32_t bits = 0;
        std::memcpy(&bits, &parameters[i], 4);
        const Bytes expected = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                                static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
        EXPECT_EQ(Bytes(request.Input.begin() + 8 + 4 * i, request.Input.begin() + 12 + 4 * i), expected)
            << i;
    }
    EXPECT_EQ(driver.VirtualEnable(), 1u);
    EXPECT_FLOAT_EQ(driver.VirtualParameters()[15], 6.5f);
}

struct REQUEST_CASE {
    const char* Name;
    std::function<int32_t(IControlDevice&)> Call;
};

std::vector<REQUEST_CASE> AllRequests() {
    return {
        {"general",
         [](IControlDevice& c) {
             uint32_t v = 5;
             const int32_t s = DriverGeneralRequest(c, 0, v);
             EXPECT_EQ(v, 5u);
             return s;
         }},
        {"effect", [](IControlDevice& c) { return DriverSelectEffect(c, 1); }},
        {"virtual",
         [](IControlDevice& c) { return DriverSetVirtualSpeakers(c, 0, VirtualSpeakerParameters{}); }},
        {"state",
         [](IControlDevice& c) {
             uint32_t v = 5;
             const int32_t s = DriverQueryState(c, v);
             EXPECT_EQ(v, 5u);
             return s;
         }},
    };
}

TEST(FilterChannelTest, MissingControlDeviceGivesOneAndSendsNothing) {
    sim::CSimFilterDriver driver;
    driver.SetPresent(false);
    for (const auto& r : AllRequests()) {
        EXPECT_EQ(r.Call(driver), 1) << r.Name;
    }
    EXPECT_TRUE(driver.Requests().empty());
}

TEST(FilterChannelTest, FailedRequestGivesTwoAndClosesTheDevice) {
    sim::CSimFilterDriver driver;
    driver.FailRequests(true);
    for (const auto& r : AllRequests()) {
        EXPECT_EQ(r.Call(driver), 2) << r.Name;
    }
    EXPECT_EQ(driver.Requests().size(), 4u);
    EXPECT_EQ(driver.OpenHandleCount(), 0u);
}

TEST(FilterChannelTest, GeneralRequestWithoutReplyBytesGivesThreeAndKeepsTheValue) {
    sim::CSimFilterDriver driver;
    driver.SetGeneralReply(0x99);
    driver.ForceReturnedBytes(0);
    uint32_t value = 0x1234;
    EXPECT_EQ(DriverGeneralRequest(driver, 0, value), 3);
    EXPECT_EQ(value, 0x1234u);
}

TEST(FilterChannelTest, DriverResetSendsQueryZerosAndGeneralRequestInOrder) {
    sim::CSimFilterDriver driver;
    ResetFilterDriver(driver);
    const auto& requests = driver.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].Code, DriverQueryStateCode);
    EXPECT_EQ(requests[1].Code, DriverSetVirtualSpeakersCode);
    EXPECT_EQ(requests[1].Input, Bytes(72, 0));
    EXPECT_EQ(requests[2].Code, DriverGeneralRequestCode);
    EXPECT_EQ(requests[2].Input, (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
}

// The reset is three requests, each on its own opening of the control device: one refused or a missing
// device stops none of the others, and every opening is closed again.
TEST(FilterChannelTest, DriverResetGoesOnPastARefusedRequest) {
    struct CASE {
        bool Present;
        uint32_t FailRequest; // the n-th request refused, 0 none
        size_t Sent;
        uint32_t VirtualEnable; // what the driver holds after the reset
    };
    const CASE cases[] = {
        {true, 0, 3, 0}, {true, 1, 3, 0}, {true, 2, 3, 1}, {true, 3, 3, 0}, {false, 0, 0, 1},
    };
    for (const CASE& c : cases) {
        sim::CSimFilterDriver driver;
        uint32_t value = 0;
        ASSERT_EQ(DriverSetVirtualSpeakers(driver, 1, VirtualSpeakerParameters{}), 0);
        driver.ClearRequests();
        driver.SetPresent(c.Present);
        driver.FailRequest(c.FailRequest);
        ResetFilterDriver(driver);
        EXPECT_EQ(driver.Requests().size(), c.Sent) << c.FailRequest;
        EXPECT_EQ(driver.VirtualEnable(), c.VirtualEnable) << c.FailRequest;
        EXPECT_EQ(driver.OpenHandleCount(), 0u) << c.FailRequest;
        driver.SetPresent(true);
        EXPECT_EQ(DriverGeneralRequest(driver, 0, value), 0) << "the next request goes through";
    }
}

} // namespace
} // namespace tonvel
