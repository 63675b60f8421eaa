#pragma once

// The program's own name and version: what --version prints, what the start
// line begins with, and what the Vulkan driver and tools are told in the
// application info. The version is set once, in the build (project VERSION).
constexpr const char* programName = "Kestrelwing";
constexpr const char* programVersion = KESTRELWING_VERSION;
constexpr unsigned programVersionMajor = KESTRELWING_VERSION_MAJOR;
constexpr unsigned programVersionMinor = KESTRELWING_VERSION_MINOR;
constexpr unsigned programVersionPatch = KESTRELWING_VERSION_PATCH;
