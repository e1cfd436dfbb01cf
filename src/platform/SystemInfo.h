#pragma once

// What the tool needs to know about the operating system it runs on.
namespace platform
{

// Whether the system belongs to the NT family of its platform. Linux answers true: its USB lookup works.
bool IsNtPlatform();

} // namespace platform
