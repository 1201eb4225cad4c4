#pragma once

// Resource IDs that the Win32 views load, defined here and included by the deliverables' resource
// scripts. Plain numbers: the resource compiler would take an enum's name for a string ID.
#define IDI_BAZELOT 1
