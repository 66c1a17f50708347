#pragma once
// What a feature works with: the window's services it may call, the device link with its transaction and
// its flags (device connected, synchronisation), the platform's filter channel, the skin's pictures and
// metrics, the language's label styles, and the flags the features share.

#include "device/DeviceLink.h"
#include "platform/api/Platform.h"
#include "platform/api/WaveIn.h"
#include "skin/Language.h"
#include "skin/PanelPage.h"
#include "skin/PanelStatus.h"
#include "skin/SkinSetting.h"
#include "ui/core/Ui.h"

#include <string_view>

namespace tonvel {

// The main window as its features see it (their components are handed to them: FeatureParts.h).
class IFeatureWindow {
public:
    virtual ~IFeatureWindow() = default;
    virtual PANEL_PAGE ShownPage() const = 0;
    // The language's warning that no device is connected.
    virtual void ShowNoDeviceWarning() = 0;
    // Puts a skin picture entry (file and bounds) on an image.
    virtual PANEL_STATUS ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image) = 0;
    // The same with the picture taken from a sub-folder of the skin ("3D\\").
    virtual PANEL_STATUS ShowSkinImageFrom(SKIN_IMAGE entry, std::u16string_view subFolder,
                                           ui::CImage& image) = 0;
    // Styles the labels again after a state change that picks their Up or Down colours.
    virtual void RestyleLabels() = 0;
    // The OS generation code (6: Core Audio).
    virtual int32_t OsGeneration() const = 0;
    // Where the level meter's capture sends its buffers back (the window's MM_WIM_DATA).
    virtual WAVE_NOTIFY_WINDOW CaptureWindow() = 0;
};

// Flags shared by the features.
struct FEATURE_FLAGS {
    bool Saving = false; // a profile is being written
};

struct FEATURE_CONTEXT {
    const Platform& Plat;
    ui::CApplication& App;
    IFeatureWindow& Window;
    CDeviceLink& Device;
    const CSkinSetting& Skin;
    const CLanguage& Language;
    FEATURE_FLAGS& Flags;

    bool DeviceConnected() const { return Device.DeviceConnected() != 0; }
    bool Synchronising() const { return Device.Synchronisation() != 0; }
};

} // namespace tonvel
