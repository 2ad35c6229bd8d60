#include "app/external_function.h"

#include <string>

#include "app/fatal_error.h"
#include "platform/platform.h"

namespace tessaly {
namespace {

using SkinAttachEx = int(WINAPI*)(const char* skinPath, const char* password);

// Finds the record's function, loading its library first from the program's
// folder, then by bare name through the system's library search.
void resolve(ExternalFunction& record) {
  if (record.address) return;
  const std::string besideProgram = platform().programFolder() + record.library;
  HMODULE library = platform().loadLibrary(besideProgram.c_str());
  if (!library) library = platform().loadLibrary(record.library);
  FARPROC address = library ? platform().procAddress(library, record.function) : nullptr;
  if (library && !address) platform().freeLibrary(library);
  if (!address) fatalMissingExport(record.library, record.function);
  record.handle = library;
  record.address = address;
}

}  // namespace

ExternalFunction& skinAttachRecord() {
  static ExternalFunction record{kEngineLibrary, kEngineFunction};
  return record;
}

int callSkinAttachEx(const char* skinPath, const char* password) {
  ExternalFunction& record = skinAttachRecord();
  resolve(record);
  // No stack check follows the call: on x86-64 there is one calling
  // convention, in which the caller reserves and removes the argument space
  // itself, so the callee can't leave the stack other than it found it and
  // the "stack error after the DLL call" (number 6) can't arise here.
  const auto function = reinterpret_cast<SkinAttachEx>(reinterpret_cast<void*>(record.address));
  return function(skinPath, password);
}

void releaseExternalLibraries() {
  ExternalFunction& record = skinAttachRecord();
  if (record.handle) platform().freeLibrary(record.handle);
  record.handle = nullptr;
  record.address = nullptr;
}

}  // namespace tessaly
