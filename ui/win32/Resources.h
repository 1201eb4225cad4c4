#pragma once

// Resource IDs of the Windows deliverables, shared by the resource scripts and the code that loads
// them. Plain numbers: the resource compiler would take an enum's name for a string ID.
#define IDI_BAZELOT 1
