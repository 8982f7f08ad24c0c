#pragma once
// Stands in for the database settings window that the statement layer opens on most
// failures, and counts how often it was opened.
#include "core/db/dbworks.h"

namespace testsupport {

struct SettingsWindowProbe {
    int opened = 0;
    SettingsWindowProbe() { core::SetDatabaseSettingsWindow({[] { return false; }, [this] { ++opened; }}); }
    ~SettingsWindowProbe() { core::SetDatabaseSettingsWindow({}); }
    SettingsWindowProbe(const SettingsWindowProbe &) = delete;
    SettingsWindowProbe &operator=(const SettingsWindowProbe &) = delete;
};

} // namespace testsupport
