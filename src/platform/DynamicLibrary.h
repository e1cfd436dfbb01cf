#pragma once

#include <string>

// Libraries loaded at run time by file name. A bare file name follows the platform's own search order.
namespace platform
{

using LibraryHandle = void*;

// The loaded library, or nullptr when the file cannot be loaded.
LibraryHandle LoadDynamicLibrary(const std::string& fileName);

// The address of the named entry point, or nullptr when the library has none by that name.
void* DynamicLibraryEntry(LibraryHandle library, const char* name);

// Releases one load of the library; nullptr is ignored.
void FreeDynamicLibrary(LibraryHandle library);

} // namespace platform
