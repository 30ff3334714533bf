#include "search/settings_entries.h"

#include <array>

namespace notch::quick {
namespace {

constexpr char16_t kGear = 0xE713;

constexpr std::array<SettingsEntry, 20> kEntries = {{
    {L"Wi-Fi Controls", L"Quick Controls", L"notch:wifi", L"wifi wireless network internet", 0xE701},
    {L"Bluetooth Controls", L"Quick Controls", L"notch:bluetooth", L"bluetooth pair headphones", 0xE702},
    {L"Sound & Audio Output", L"Quick Controls", L"notch:sound", L"sound audio volume speaker mute", 0xE767},
    {L"Display Brightness", L"Quick Controls", L"notch:display", L"display brightness screen monitor", 0xE706},
    {L"Search Settings & Browser", L"Notch Settings", L"notch:searchsettings",
     L"search settings browser hotkey shortcut", kGear},
    {L"Notch Theme & Style", L"Quick Controls", L"notch:notch", L"notch pill theme auto hide", 0xE9E9},
    {L"Timer", L"Notch", L"notch:timer", L"timer countdown alarm", 0xE916},
    {L"File Shelf", L"Notch", L"notch:shelf", L"shelf files drop", 0xE7B8},
    {L"Windows Settings", L"System Settings", L"ms-settings:", L"settings preferences system", kGear},
    {L"Windows Wi-Fi Settings", L"System Settings", L"ms-settings:network-wifi", L"windows wifi network settings",
     kGear},
    {L"Mobile Hotspot Settings", L"System Settings", L"ms-settings:network-mobilehotspot",
     L"hotspot mobile tether share wifi", 0xE704},
    {L"Windows Bluetooth Settings", L"System Settings", L"ms-settings:bluetooth", L"windows bluetooth settings", kGear},
    {L"Windows Sound Settings", L"System Settings", L"ms-settings:sound", L"windows sound audio settings", kGear},
    {L"Windows Display Settings", L"System Settings", L"ms-settings:display", L"windows display resolution settings",
     kGear},
    {L"Default Apps Settings", L"System Settings", L"ms-settings:defaultapps", L"default apps browser file association",
     kGear},
    {L"Installed Apps", L"System Settings", L"ms-settings:appsfeatures", L"installed apps programs uninstall", kGear},
    {L"Power & Battery", L"System Settings", L"ms-settings:powersleep", L"power battery sleep screen", kGear},
    {L"Windows Update", L"System Settings", L"ms-settings:windowsupdate", L"windows update check", kGear},
    {L"Task Manager", L"Windows Tool", L"taskmgr.exe", L"task manager cpu memory process", 0xE9D9},
    {L"Control Panel", L"Windows Tool", L"control.exe", L"control panel classic settings", kGear},
}};

}  // namespace

std::span<const SettingsEntry> SettingsEntries() { return kEntries; }

}  // namespace notch::quick
