# notch-inspect output cases; paths are relative to tests/data.
notch_cli_test(settings.typical settings-typical.json settings settings/typical.ini)
notch_cli_test(settings.quirks settings-quirks.json settings settings/quirks.ini)
notch_cli_test(settings.utf16 settings-unicode-utf16.json settings settings/unicode-utf16.ini)
notch_cli_test(settings.missing settings-missing.json settings settings/does-not-exist.ini)
notch_cli_test(tray-menu.defaults tray-menu-defaults.json tray-menu settings/does-not-exist.ini)
notch_cli_test(tray-menu.quirks tray-menu-quirks.json tray-menu settings/quirks.ini --start-with-windows)
notch_cli_test(tray-menu.fallback tray-menu-fallback.json tray-menu settings/defaults.ini --taken 1,32 --variant auto-hide)
notch_cli_test(tray-menu.saved-taken tray-menu-saved-taken.json
               tray-menu settings/typical.ini --taken 3,32 --taken 3,78 --variant theme)
notch_cli_test(tray-menu.custom-delay tray-menu-custom-delay.json tray-menu settings/custom-delay.ini --variant auto-hide)
