#pragma once
// A virtual USB device for the simulated Windows: its device nodes with hardware IDs, device interfaces, HID
// interfaces with attributes and capabilities, and (for the product's headset) the register protocol over
// HID reports: a 64 KiB register space, ten pins, a log of every report and failure injection.

#include "platform/api/Hid.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tonvel::sim {

// One device interface of a node.
struct SIM_DEVICE_INTERFACE {
    std::u16string InterfaceClass; // registry form, upper case
    std::u16string Path;
};

// One device node (what SetupAPI lists as a device).
struct SIM_DEVICE_NODE {
    std::u16string SetupClass;
    std::vector<std::u16string> HardwareIds; // the multi-string; the first one is the device's own
    std::u16string InstanceId;               // the device instance ID; empty: it cannot be read
    bool HardwareIdReadable = true;
    std::vector<SIM_DEVICE_INTERFACE> Interfaces;
    std::optional<std::vector<std::u16string>> UpperFilters;
    bool NeedReboot = false;            // DI_NEEDREBOOT after a state change
    bool FailStateChange = false;       // the class installer refuses
    bool RefuseFilterWrite = false;     // writing UpperFilters fails
    std::vector<uint32_t> StateChanges; // DICS_DISABLE / DICS_ENABLE in the order applied
};

// The vendor-defined usage page of the register collection, and the consumer-control page Windows opens
// shared beside it.
inline constexpr uint16_t SimVendorUsagePage = 0xFF00;
inline constexpr uint16_t SimConsumerUsagePage = 0x000C;

// The HID side of a HID interface path.
struct SIM_HID_INTERFACE {
    std::u16string Path;
    HID_ATTRIBUTES Attributes;
    bool Opens = true;
    bool AttributesReadable = true;
    bool PreparsedReadable = true;          // HidD_GetPreparsedData succeeds
    int32_t CapsStatus = HidpStatusSuccess; // what HidP_GetCaps answers
    uint16_t InputReportLength = 65;
    uint16_t OutputReportLength = 65;
    uint16_t UsagePage = SimVendorUsagePage; // the top-level collection's usage page and usage
    uint16_t Usage = 0x0001;
    bool RegisterProtocol = true; // reports reach the register space
};

// One report as the device saw it.
struct SIM_REPORT {
    enum class KIND { Output, Input };
    KIND Kind = KIND::Output;
    std::vector<uint8_t> Bytes; // output: as sent; input: as delivered (empty when not delivered)
    bool Accepted = true;
    size_t Interface = 0; // index into HidInterfaces()
    uint64_t Number = 0;  // its place among everything the device side received (SimDeviceLog.h)
};

class CSimHeadset {
public:
    static constexpr uint16_t DefaultVendorId = 0x7F1C;

    // The product's headset: a USB audio function (KSCATEGORY_AUDIO interface, hardware ID
    // "USB\VID_vvvv&PID_pppp&REV_0100&MI_00") and its HID function with one HID interface
    // "\\?\HID#VID_vvvv&PID_pppp&MI_03#<instance>#{4d1e55b2-...}" that speaks the register protocol.
    explicit CSimHeadset(uint16_t productId = 0x7213, uint16_t vendorId = DefaultVendorId,
                         std::u16string instance = u"7&2a1b3c4d&0&0000");

    // Another vendor's HID device (a mouse): one HID interface "...&MI_00#..." without the register protocol.
    static CSimHeadset Foreign(uint16_t vendorId, uint16_t productId,
                               std::u16string instance = u"7&11aa22bb&0&0000");

    // Adds one more HID interface to the HID node (for example a second interface of the same device);
    // returns its index.
    size_t AddHidInterface(SIM_HID_INTERFACE hid);
    // The standard HID interface record for this device with the given interface number ("MI_nn") and
    // instance text.
    SIM_HID_INTERFACE MakeHidInterface(uint8_t interfaceNumber, std::u16string_view instance) const;
    // The HID function as Windows lists an interface with two top-level collections of the same IDs: the
    // one HID interface becomes "...&MI_03&Col01#..." (consumer control: its output report too short for a
    // register request, no register protocol) followed by "...&MI_03&Col02#..." (the vendor-defined
    // register collection). Returns the index of the register collection.
    size_t SplitIntoCollections();

    std::vector<SIM_DEVICE_NODE>& Nodes() { return m_Nodes; }
    const std::vector<SIM_DEVICE_NODE>& Nodes() const { return m_Nodes; }
    std::vector<SIM_HID_INTERFACE>& HidInterfaces() { return m_Hid; }
    const std::vector<SIM_HID_INTERFACE>& HidInterfaces() const { return m_Hid; }
    // The first HID interface (the one the register traffic uses).
    SIM_HID_INTERFACE& Hid() { return m_Hid.front(); }

    uint16_t VendorId() const { return m_VendorId; }
    uint16_t ProductId() const { return m_ProductId; }

    // Register space and pins.
    uint8_t Register(uint16_t address) const { return m_Registers[address]; }
    void SetRegister(uint16_t address, uint8_t value) { m_Registers[address] = value; }
    bool Pin(int pin) const { return ((m_Pins >> pin) & 1u) != 0; }
    uint16_t Pins() const { return m_Pins; }
    void SetPins(uint16_t pins) { m_Pins = pins & 0x3FF; }
    uint16_t Address() const { return m_Address; }

    // The report log.
    const std::vector<SIM_REPORT>& Reports() const { return m_Log; }
    void ClearReports() { m_Log.clear(); }

    // Failure injection, counted from the call: the n-th output (input) report from now on (n >= 1) is not
    // accepted (not delivered); 0 disarms. RejectAll* makes every report fail until switched off.
    void FailOutputReport(uint32_t n) { m_FailOutputIn = n; }
    void FailInputReport(uint32_t n) { m_FailInputIn = n; }
    void RejectAllOutputReports(bool on) { m_RejectOutput = on; }
    void RejectAllInputReports(bool on) { m_RejectInput = on; }

    // Reports as they reach the device through an open handle of HID interface `hid`.
    bool OnOutputReport(size_t hid, const uint8_t* report, size_t length);
    bool OnInputReport(size_t hid, uint8_t* report, size_t length);

private:
    enum class READ_MODE { None, Register, Pins };

    void ApplyCommand(const uint8_t* report, size_t length);

    uint16_t m_VendorId;
    uint16_t m_ProductId;
    std::vector<SIM_DEVICE_NODE> m_Nodes;
    std::vector<SIM_HID_INTERFACE> m_Hid;
    size_t m_HidNode = 0;

    std::vector<uint8_t> m_Registers;
    uint16_t m_Pins = 0;
    uint16_t m_Address = 0;
    READ_MODE m_ReadMode = READ_MODE::None;

    std::vector<SIM_REPORT> m_Log;
    uint32_t m_FailOutputIn = 0;
    uint32_t m_FailInputIn = 0;
    bool m_RejectOutput = false;
    bool m_RejectInput = false;
};

// Formats a 16-bit ID as four upper-case hexadecimal digits.
std::u16string Hex4(uint16_t value);

} // namespace tonvel::sim
