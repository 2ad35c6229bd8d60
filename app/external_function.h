// The program's one function that lives in a separate library: the skin
// engine's Skin_AttachEx in "jedata.dll". Its library handle and address are
// empty until the first call and kept for the rest of the run.
#pragma once

#include <windows.h>

namespace tessaly {

inline constexpr char kEngineLibrary[] = "jedata.dll";
inline constexpr char kEngineFunction[] = "Skin_AttachEx";

struct ExternalFunction {
  const char* library;
  const char* function;
  HMODULE handle = nullptr;
  FARPROC address = nullptr;
};

// The record of Skin_AttachEx.
ExternalFunction& skinAttachRecord();

// Calls Skin_AttachEx, first loading the library (from the program's folder,
// then by bare name) where that hasn't happened yet. No library or no
// function is a fatal error. Returns the engine's result.
int callSkinAttachEx(const char* skinPath, const char* password);

// Releases every library loaded for external calls; the records are empty again.
void releaseExternalLibraries();

}  // namespace tessaly
