# notch-inspect output cases; paths are relative to tests/data.
notch_cli_test(settings.typical settings-typical.json settings settings/typical.ini)
notch_cli_test(settings.quirks settings-quirks.json settings settings/quirks.ini)
notch_cli_test(settings.utf16 settings-unicode-utf16.json settings settings/unicode-utf16.ini)
notch_cli_test(settings.missing settings-missing.json settings settings/does-not-exist.ini)
