#include "platform/win32/Win32AudioEndpoints.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <objbase.h>

#include <devicetopology.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propsys.h>

#include <cwchar>
#include <functional>

namespace tonvel::win32 {

namespace {

// The identifiers as the program holds them.
constexpr GUID DeviceEnumeratorClass = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr GUID DeviceEnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr GUID EndpointVolumeInterface = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};
constexpr GUID DeviceTopologyInterface = {
    0x2A07407E, 0x6497, 0x4A18, {0x97, 0x87, 0x32, 0xF7, 0x9B, 0xD0, 0xD9, 0x8F}};
constexpr GUID PartInterface = {0xAE2DE0E4, 0x5BCA, 0x4F2D, {0xAA, 0x46, 0x5D, 0x13, 0xF8, 0xFD, 0xB3, 0xA9}};
constexpr GUID AutoGainControlInterface = {
    0x85401FD4, 0x6DE4, 0x4B9D, {0x98, 0x69, 0x2D, 0x67, 0x53, 0xA8, 0x2F, 0x3C}};
constexpr PROPERTYKEY FriendlyNameKey = {
    {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};

// IAudioAutoGainControl as the Windows SDK declares it (MinGW's <devicetopology.h> gives its two methods
// wrong signatures).
struct IAgcControl : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enable, LPCGUID eventContext) = 0;
};

// Holds one interface reference and releases it when it goes.
template <class T> class CComRef {
public:
    CComRef() = default;
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    ~CComRef() {
        if (m_Ref) m_Ref->Release();
    }
    T* operator->() const { return m_Ref; }
    T* Get() const { return m_Ref; }
    explicit operator bool() const { return m_Ref != nullptr; }
    void** Out() { return reinterpret_cast<void**>(&m_Ref); }
    T** Typed() { return &m_Ref; }

private:
    T* m_Ref = nullptr;
};

IMMDevice* DeviceOf(EndpointRef endpoint) {
    return reinterpret_cast<IMMDevice*>(endpoint);
}

bool CreateEnumerator(CComRef<IMMDeviceEnumerator>& enumerator) {
    return SUCCEEDED(::CoCreateInstance(DeviceEnumeratorClass, nullptr, CLSCTX_ALL, DeviceEnumeratorInterface,
                                        enumerator.Out()));
}

bool ActivateVolume(EndpointRef endpoint, CComRef<IAudioEndpointVolume>& volume) {
    return endpoint != NoEndpoint && SUCCEEDED(DeviceOf(endpoint)->Activate(
                                         EndpointVolumeInterface, CLSCTX_ALL, nullptr, volume.Out()));
}

// The topology of the device that the endpoint's connector 0 is connected to.
bool ConnectedTopology(IMMDevice& device, CComRef<IDeviceTopology>& connected) {
    CComRef<IDeviceTopology> topology;
    if (FAILED(device.Activate(DeviceTopologyInterface, CLSCTX_ALL, nullptr, topology.Out()))) return false;
    CComRef<IConnector> connector;
    if (FAILED(topology->GetConnector(0, connector.Typed()))) return false;
    LPWSTR id = nullptr;
    if (FAILED(connector->GetDeviceIdConnectedTo(&id))) return false;
    CComRef<IMMDeviceEnumerator> enumerator;
    CComRef<IMMDevice> other;
    const bool found = CreateEnumerator(enumerator) && SUCCEEDED(enumerator->GetDevice(id, other.Typed()));
    ::CoTaskMemFree(id);
    return found && SUCCEEDED(other->Activate(DeviceTopologyInterface, CLSCTX_ALL, nullptr, connected.Out()));
}

// Runs `use` on the first sub-unit part that activates IAudioAutoGainControl.
bool WithAgc(EndpointRef endpoint, const std::function<HRESULT(IAgcControl&)>& use) {
    CComRef<IDeviceTopology> topology;
    if (endpoint == NoEndpoint || !ConnectedTopology(*DeviceOf(endpoint), topology)) return false;
    UINT count = 0;
    if (FAILED(topology->GetSubunitCount(&count))) return false;
    for (UINT i = 0; i < count; ++i) {
        CComRef<ISubUnit> subunit;
        if (FAILED(topology->GetSubunit(i, subunit.Typed()))) return false;
        CComRef<IPart> part;
        if (FAILED(subunit->QueryInterface(PartInterface, part.Out()))) return false;
        CComRef<IAgcControl> agc;
        if (SUCCEEDED(part->Activate(CLSCTX_ALL, AutoGainControlInterface, agc.Out())))
            return SUCCEEDED(use(*agc.Get()));
    }
    return false;
}

} // namespace

bool CWin32AudioEndpoints::Initialize() {
    return SUCCEEDED(::CoInitialize(nullptr));
}

void CWin32AudioEndpoints::Uninitialize() {
    ::CoUninitialize();
}

bool CWin32AudioEndpoints::ActiveCaptureEndpoints(std::vector<EndpointRef>& endpoints) {
    endpoints.clear();
    CComRef<IMMDeviceEnumerator> enumerator;
    CComRef<IMMDeviceCollection> collection;
    if (!CreateEnumerator(enumerator) ||
        FAILED(enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, collection.Typed())))
        return false;
    UINT count = 0;
    if (FAILED(collection->GetCount(&count))) return false;
    for (UINT i = 0; i < count; ++i) {
        IMMDevice* device = nullptr;
        if (SUCCEEDED(collection->Item(i, &device)) && device)
            endpoints.push_back(reinterpret_cast<EndpointRef>(device));
    }
    return true;
}

bool CWin32AudioEndpoints::FriendlyName(EndpointRef endpoint, std::u16string& name) {
    CComRef<IPropertyStore> store;
    if (endpoint == NoEndpoint || FAILED(DeviceOf(endpoint)->OpenPropertyStore(STGM_READ, store.Typed())))
        return false;
    PROPVARIANT value;
    ::PropVariantInit(&value);
    const bool read = SUCCEEDED(store->GetValue(FriendlyNameKey, &value)) && value.vt == VT_LPWSTR;
    if (read) name = FromWide(value.pwszVal, std::wcslen(value.pwszVal));
    ::PropVariantClear(&value);
    return read;
}

void CWin32AudioEndpoints::Release(EndpointRef endpoint) {
    if (endpoint != NoEndpoint) DeviceOf(endpoint)->Release();
}

bool CWin32AudioEndpoints::GetVolumeStepInfo(EndpointRef endpoint, uint32_t& step, uint32_t& stepCount) {
    CComRef<IAudioEndpointVolume> volume;
    UINT current = 0;
    UINT count = 0;
    if (!ActivateVolume(endpoint, volume) || FAILED(volume->GetVolumeStepInfo(&current, &count)))
        return false;
    step = current;
    stepCount = count;
    return true;
}

bool CWin32AudioEndpoints::SetMasterVolumeLevelScalar(EndpointRef endpoint, float level) {
    CComRef<IAudioEndpointVolume> volume;
    if (!ActivateVolume(endpoint, volume)) return false;
    volume->SetMasterVolumeLevelScalar(level, nullptr);
    return true;
}

bool CWin32AudioEndpoints::GetMute(EndpointRef endpoint, bool& mute) {
    CComRef<IAudioEndpointVolume> volume;
    BOOL value = FALSE;
    if (!ActivateVolume(endpoint, volume) || FAILED(volume->GetMute(&value))) return false;
    mute = value != FALSE;
    return true;
}

bool CWin32AudioEndpoints::SetMute(EndpointRef endpoint, bool mute) {
    CComRef<IAudioEndpointVolume> volume;
    return ActivateVolume(endpoint, volume) && SUCCEEDED(volume->SetMute(mute ? TRUE : FALSE, nullptr));
}

bool CWin32AudioEndpoints::GetAgcEnabled(EndpointRef endpoint, bool& enabled) {
    BOOL value = FALSE;
    if (!WithAgc(endpoint, [&value](IAgcControl& agc) { return agc.GetEnabled(&value); })) return false;
    enabled = value != FALSE;
    return true;
}

bool CWin32AudioEndpoints::SetAgcEnabled(EndpointRef endpoint, bool enabled) {
    return WithAgc(endpoint,
                   [enabled](IAgcControl& agc) { return agc.SetEnabled(enabled ? TRUE : FALSE, nullptr); });
}

} // namespace tonvel::win32
