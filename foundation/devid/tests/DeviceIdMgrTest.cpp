// Device-ID groups: which entries a section yields and wildcard matching.

#include "foundation/devid/tests/DeviceIdTestData.h"

#include <gtest/gtest.h>

using namespace tonvel;
using namespace tonvel::test;

namespace {

std::vector<std::u16string> PatternsOf(const CDeviceIdMgr& group) {
    std::vector<std::u16string> patterns;
    for (const auto& [pattern, token] : group.DeviceMap())
        patterns.push_back(pattern);
    return patterns;
}

struct LOAD_CASE {
    const char* label;
    std::string file;
    int32_t result;
    std::vector<std::u16string> patterns; // the accepted entries, in map order
};

TEST(DeviceIdLoad, AcceptsOnlyProvenEntries) {
    const LOAD_CASE cases[] = {
        {"no such section", "[HID_VID_PID]\n1=" + Entry(HidDeviceId, HidToken) + "\n", 2, {}},
        {"section without keys", "[USB_VID_PID]\n;1=x,y\nnokey\n=x,y\n[Next]\n1=a,b\n", 3, {}},
        {"proven entry", "[USB_VID_PID]\nDevice1=" + Entry(WildUsb, WildUsbToken) + "\n", 0, {WildUsb}},
        {"pattern changed by one character",
         "[USB_VID_PID]\n1=USB\\VID_7F1C&PID_72XX&REV_0100&MI_04," + WildUsbToken + "\n",
         0,
         {}},
        {"token from another key", "[USB_VID_PID]\n1=" + Entry(WildUsb, WildUsbOtherKeyToken) + "\n", 0, {}},
        {"malformed tokens",
         "[USB_VID_PID]\n1=" + Entry(Usb, "not base64") + "\n2=" + Entry(Usb, "vM8A+WsD") +
             "\n3=" + Entry(Usb, UsbToken + ",extra") + "\n",
         0,
         {}},
        {"spaces around both sides",
         "[USB_VID_PID]\n1=" + Narrow(Usb) + "   ,   " + UsbToken + "\n",
         0,
         {Usb}},
        {"value without a comma is skipped",
         "[USB_VID_PID]\n1=" + Narrow(Usb) + "\n2=" + Entry(HidDeviceId, HidToken) + "\n",
         0,
         {HidDeviceId}},
        {"empty pattern stops the build",
         "[USB_VID_PID]\n1=" + Entry(Usb, UsbToken) + "\n2=   ," + HidToken +
             "\n3=" + Entry(HidDeviceId, HidToken) + "\n",
         4,
         {Usb}},
        {"empty token stops the build",
         "[USB_VID_PID]\n1=" + Entry(Usb, UsbToken) + "\n2=" + Narrow(HidDeviceId) +
             ",\n3=" + Entry(HidDeviceId, HidToken) + "\n",
         4,
         {Usb}},
        {"map order is pattern order",
         "[USB_VID_PID]\na=" + Entry(Usb, UsbToken) + "\nb=" + Entry(AnyUsb, AnyUsbToken) +
             "\nc=" + Entry(HidDeviceId, HidToken) + "\nd=" + Entry(OtherUsb, OtherUsbToken) + "\n",
         0,
         {HidDeviceId, OtherUsb, Usb, AnyUsb}},
        {"a repeated key yields its first value twice",
         "[USB_VID_PID]\nk=" + Entry(Usb, UsbToken) + "\nk=" + Entry(HidDeviceId, HidToken) + "\n",
         0,
         {Usb, Usb}},
        // Plaintext bytes widen as signed 8-bit values, like the bytes of a file without a byte-order mark.
        {"high byte in an unmarked file",
         "[USB_VID_PID]\n1=AB\xE9," + HighByteToken + "\n",
         0,
         {u"AB\uFFE9"}},
        {"high byte in a UTF-8 file",
         "\xEF\xBB\xBF[USB_VID_PID]\n1=AB\xC3\xA9," + HighByteToken + "\n",
         0,
         {}},
        {"plaintext ends at its first zero byte",
         "[USB_VID_PID]\n1=AB," + ZeroInsideToken + "\n",
         0,
         {u"AB"}},
    };
    CConfigFolder folder;
    for (const LOAD_CASE& c : cases) {
        CDeviceIdMgr group;
        EXPECT_EQ(group.Load(folder.Files(), folder.Write(c.file), u"USB_VID_PID"), c.result) << c.label;
        EXPECT_EQ(PatternsOf(group), c.patterns) << c.label;
    }
}

TEST(DeviceIdLoad, RepeatedLoads) {
    CConfigFolder folder;
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(folder.Files(), folder.Write("[USB_VID_PID]\n1=" + Entry(Usb, UsbToken) + "\n"),
                         u"USB_VID_PID"),
              0);
    // A file that cannot be loaded leaves the lists as they were.
    EXPECT_EQ(group.Load(folder.Files(), folder.Missing(), u"USB_VID_PID"), 1);
    EXPECT_EQ(group.Load(folder.Files(), folder.Write("\xEF\xBB\xBF\xFF"), u"USB_VID_PID"), 1);
    EXPECT_EQ(PatternsOf(group), std::vector<std::u16string>{Usb});
    EXPECT_EQ(group.RawValues().size(), 1u);
    // A loaded file replaces them, also when the section is missing.
    EXPECT_EQ(group.Load(folder.Files(), folder.Write("[Other]\n"), u"USB_VID_PID"), 2);
    EXPECT_TRUE(group.DeviceMap().empty());
    EXPECT_TRUE(group.RawValues().empty());
    EXPECT_FALSE(group.Match(Usb));
}

TEST(DeviceIdMatch, WildcardsAndCase) {
    CConfigFolder folder;
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(folder.Files(),
                         folder.Write("[USB_VID_PID]\n1=" + Entry(WildUsb, WildUsbToken) +
                                      "\n2=" + Entry(LeadingX, LeadingXToken) +
                                      "\n3=" + Entry(LowerCase, LowerCaseToken) +
                                      "\n4=" + Entry(HidDeviceId, HidToken) + "\n"),
                         u"USB_VID_PID"),
              0);
    ASSERT_EQ(group.DeviceMap().size(), 4u);
    const struct {
        std::u16string id;
        bool matches;
    } cases[] = {
        {u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03", true},
        {u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03", true},
        {u"USB\\VID_7F1C&PID_72AB&REV_0100&MI_03", true},
        {u"usb\\vid_7f1c&pid_72ab&rev_0100&mi_03", true},
        {u"USB\\VID_7F1C&PID_72\u00E9\u4E2D&REV_0100&MI_03", true}, // "X" stands for any one character
        {u"USB\\VID_7F1C&PID_7213&REV_0100&MI_04", false},          // another interface
        {u"USB\\VID_7F1C&PID_7213&REV_0100", false},                // ends before "&MI_"
        {u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03&COL01", false},    // longer
        {u"USB\\VID_7F1D&PID_7213&REV_0100&MI_03", false},
        {u"QSB\\VID_7F1C&PID_7213", true}, // an "X" outside the hexadecimal digits
        {u"XSB\\VID_7F1C&PID_7214", false},
        {u"usb\\vid_7f1c&pid_72xx", false}, // a lower-case pattern never matches
        {u"hid\\vid_7f1c&pid_7213&mi_03", true},
        {u"HID\\VID_7F1C&PID_7213&MI_3", false},
        {u"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(group.Match(c.id), c.matches) << Narrow(c.id);
}

TEST(DeviceIdMatch, GroupWithEveryEntryDroppedMatchesNothing) {
    CConfigFolder folder;
    CDeviceIdMgr group;
    ASSERT_EQ(group.Load(folder.Files(),
                         folder.Write("[USB_VID_PID]\n1=" + Entry(AnyUsb, UsbToken) +
                                      "\n2=" + Entry(WildUsb, WildUsbOtherKeyToken) + "\n"),
                         u"USB_VID_PID"),
              0);
    EXPECT_TRUE(group.DeviceMap().empty());
    for (const std::u16string& id : {AnyUsb, WildUsb, Usb, std::u16string()})
        EXPECT_FALSE(group.Match(id));
}

} // namespace
