#include "platform/sim/SimHeadset.h"

#include "platform/sim/SimDeviceLog.h"

#include "platform/api/DeviceInstall.h"

namespace tonvel::sim {

namespace {

constexpr std::u16string_view HidPathClassSuffix = u"#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr std::u16string_view MediaSetupClass = u"{4D36E96C-E325-11CE-BFC1-08002BE10318}";
constexpr std::u16string_view UsbSetupClass = u"{36FC9E60-C465-11CF-8056-444553540000}";

std::u16string Hex2(uint8_t value) {
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    std::u16string text;
    text += Digits[(value >> 4) & 0xF];
    text += Digits[value & 0xF];
    return text;
}

std::u16string VidPid(uint16_t vendorId, uint16_t productId) {
    return u"VID_" + Hex4(vendorId) + u"&PID_" + Hex4(productId);
}

} // namespace

std::u16string Hex4(uint16_t value) {
    return Hex2(static_cast<uint8_t>(value >> 8)) + Hex2(static_cast<uint8_t>(value & 0xFF));
}

CSimHeadset::CSimHeadset(uint16_t productId, uint16_t vendorId, std::u16string instance)
    : m_VendorId(vendorId), m_ProductId(productId), m_Registers(0x10000, 0) {
    const std::u16string ids = VidPid(vendorId, productId);

    SIM_DEVICE_NODE audio;
    audio.SetupClass = std::u16string(MediaSetupClass);
    audio.HardwareIds = {u"USB\\" + ids + u"&REV_0100&MI_00", u"USB\\" + ids + u"&MI_00"};
    audio.InstanceId = u"USB\\" + ids + u"&MI_00\\6&1B2C3D4E&0&0000";
    audio.Interfaces.push_back(
        {std::u16string(KsCategoryAudio), u"\\\\?\\USB#" + ids +
                                              u"&MI_00#6&1b2c3d4e&0&0000#"
                                              u"{6994ad04-93ef-11d0-a3cc-00a0c9223196}\\global"});
    m_Nodes.push_back(std::move(audio));

    SIM_DEVICE_NODE usbHid;
    usbHid.SetupClass = std::u16string(UsbSetupClass);
    usbHid.HardwareIds = {u"USB\\" + ids + u"&REV_0100&MI_03", u"USB\\" + ids + u"&MI_03"};
    usbHid.InstanceId = u"USB\\" + ids + u"&MI_03\\6&1B2C3D4E&0&0003";
    m_Nodes.push_back(std::move(usbHid));

    SIM_DEVICE_NODE hid;
    hid.SetupClass = std::u16string(HidSetupClass);
    hid.HardwareIds = {u"HID\\" + ids + u"&REV_0100&MI_03", u"HID\\" + ids + u"&MI_03"};
    hid.InstanceId = u"HID\\" + ids + u"&MI_03\\7&2A3B4C5D&0&0000";
    m_Nodes.push_back(std::move(hid));
    m_HidNode = m_Nodes.size() - 1;

    AddHidInterface(MakeHidInterface(3, instance));
}

CSimHeadset CSimHeadset::Foreign(uint16_t vendorId, uint16_t productId, std::u16string instance) {
    CSimHeadset device(productId, vendorId, instance);
    device.m_Nodes.clear();
    device.m_Hid.clear();
    const std::u16string ids = VidPid(vendorId, productId);
    SIM_DEVICE_NODE hid;
    hid.SetupClass = std::u16string(HidSetupClass);
    hid.HardwareIds = {u"HID\\" + ids + u"&REV_0001&MI_00", u"HID\\" + ids + u"&MI_00"};
    device.m_Nodes.push_back(std::move(hid));
    device.m_HidNode = 0;
    SIM_HID_INTERFACE mouse = device.MakeHidInterface(0, instance);
    mouse.RegisterProtocol = false;
    mouse.InputReportLength = 5;
    mouse.OutputReportLength = 0;
    mouse.UsagePage = 0x0001; // generic desktop: a mouse
    mouse.Usage = 0x0002;
    device.AddHidInterface(std::move(mouse));
    return device;
}

SIM_HID_INTERFACE CSimHeadset::MakeHidInterface(uint8_t interfaceNumber, std::u16string_view instance) const {
    SIM_HID_INTERFACE hid;
    hid.Path = u"\\\\?\\HID#" + VidPid(m_VendorId, m_ProductId) + u"&MI_" + Hex2(interfaceNumber) + u"#" +
               std::u16string(instance) + std::u16string(HidPathClassSuffix);
    hid.Attributes.VendorID = m_VendorId;
    hid.Attributes.ProductID = m_ProductId;
    hid.Attributes.VersionNumber = 0x0100;
    return hid;
}

size_t CSimHeadset::SplitIntoCollections() {
    constexpr std::u16string_view InterfaceTail = u"&MI_03";
    SIM_HID_INTERFACE vendor = m_Hid.front();
    m_Hid.clear();
    m_Nodes[m_HidNode].Interfaces.clear();
    const size_t at = vendor.Path.find(InterfaceTail);
    const size_t cut = at == std::u16string::npos ? vendor.Path.size() : at + InterfaceTail.size();
    SIM_HID_INTERFACE consumer = vendor;
    consumer.Path.insert(cut, u"&Col01");
    consumer.UsagePage = SimConsumerUsagePage;
    consumer.InputReportLength = 3;
    consumer.OutputReportLength = 2;
    consumer.RegisterProtocol = false;
    vendor.Path.insert(cut, u"&Col02");
    AddHidInterface(std::move(consumer));
    return AddHidInterface(std::move(vendor));
}

size_t CSimHeadset::AddHidInterface(SIM_HID_INTERFACE hid) {
    m_Nodes[m_HidNode].Interfaces.push_back({std::u16string(HidInterfaceClass), hid.Path});
    m_Hid.push_back(std::move(hid));
    return m_Hid.size() - 1;
}

bool CSimHeadset::OnOutputReport(size_t hid, const uint8_t* report, size_t length) {
    SIM_REPORT entry;
    entry.Kind = SIM_REPORT::KIND::Output;
    entry.Bytes.assign(report, report + length);
    entry.Interface = hid;
    entry.Number = NextDeviceEventNumber();
    bool accepted = !m_RejectOutput && length != 0 && length == m_Hid[hid].OutputReportLength;
    if (m_FailOutputIn != 0 && --m_FailOutputIn == 0) {
        accepted = false;
    }
    entry.Accepted = accepted;
    m_Log.push_back(std::move(entry));
    if (accepted && m_Hid[hid].RegisterProtocol) {
        ApplyCommand(report, length);
    }
    return accepted;
}

bool CSimHeadset::OnInputReport(size_t hid, uint8_t* report, size_t length) {
    SIM_REPORT entry;
    entry.Kind = SIM_REPORT::KIND::Input;
    entry.Interface = hid;
    entry.Number = NextDeviceEventNumber();
    bool delivered = !m_RejectInput && length != 0 && length == m_Hid[hid].InputReportLength;
    if (m_FailInputIn != 0 && --m_FailInputIn == 0) {
        delivered = false;
    }
    entry.Accepted = delivered;
    if (delivered) {
        for (size_t i = 0; i < length; ++i) {
            report[i] = 0;
        }
        if (m_Hid[hid].RegisterProtocol && length >= 4) {
            if (m_ReadMode == READ_MODE::Register) {
                report[2] = m_Registers[m_Address];
            } else if (m_ReadMode == READ_MODE::Pins) {
                report[2] = static_cast<uint8_t>(m_Pins & 0xFF);
                report[3] = static_cast<uint8_t>((m_Pins >> 8) & 0x03);
            }
        }
        entry.Bytes.assign(report, report + length);
    }
    m_Log.push_back(std::move(entry));
    return delivered;
}

void CSimHeadset::ApplyCommand(const uint8_t* report, size_t length) {
    if (length < 5 || report[0] != 0x00 || report[1] != 0x60) {
        return; // the idle report and anything that is not a register request
    }
    const uint8_t command = report[4];
    if (command == 0x10) {
        m_Address = static_cast<uint16_t>(report[2] | (report[3] << 8));
        m_ReadMode = READ_MODE::Register;
    } else if (command == 0x20) {
        // One data byte per request; the address stays where it was set.
        m_Registers[m_Address] = report[2];
    } else if (command == 0x30) {
        m_ReadMode = READ_MODE::Pins;
    } else if ((command & 0xFC) == 0x3C && report[3] == 0xFF) {
        m_Pins = static_cast<uint16_t>(report[2] | ((command & 0x01) << 8) | ((command & 0x02) << 8));
    }
}

} // namespace tonvel::sim
