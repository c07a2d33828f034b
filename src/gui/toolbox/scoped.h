#pragma once
#include <windows.h>

// One owner for every kind of handle: the Traits say what the empty value is
// and how the handle is freed, the owner frees it exactly once. Not copyable;
// movable, so owners can live in containers.
template <typename Traits>
class Scoped {
 public:
  using Handle = typename Traits::Handle;

  Scoped() = default;
  explicit Scoped(Handle handle) : handle_(handle) {}
  ~Scoped() { Reset(); }
  Scoped(Scoped&& other) noexcept : handle_(other.Release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != Traits::Empty(); }
  // Gives the handle up without freeing it.
  Handle Release() {
    const Handle handle = handle_;
    handle_ = Traits::Empty();
    return handle;
  }
  // Frees the handle held and takes this one.
  void Reset(Handle handle = Traits::Empty()) {
    if (Valid()) Traits::Free(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Empty();
};

// Traits for handles whose empty value is null.
template <typename H, auto FreeFunction>
struct NullEmptyTraits {
  using Handle = H;
  static Handle Empty() { return nullptr; }
  static void Free(Handle handle) { FreeFunction(handle); }
};

// Thread and event handles, null when empty.
using ScopedHandle = Scoped<NullEmptyTraits<HANDLE, CloseHandle>>;

// File and folder handles from CreateFileW, INVALID_HANDLE_VALUE when empty.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Free(Handle handle) { CloseHandle(handle); }
};
using ScopedFileHandle = Scoped<FileHandleTraits>;

// Searches from FindFirstFileW/FindFirstFileExW, closed with FindClose.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Free(Handle handle) { FindClose(handle); }
};
using ScopedFind = Scoped<FindHandleTraits>;

using ScopedModule = Scoped<NullEmptyTraits<HMODULE, FreeLibrary>>;
using ScopedAccelerators = Scoped<NullEmptyTraits<HACCEL, DestroyAcceleratorTable>>;

// Memory the system allocated for the caller with LocalAlloc.
template <typename T>
struct LocalMemoryTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static void Free(Handle memory) { LocalFree(reinterpret_cast<HLOCAL>(memory)); }
};
template <typename T>
using ScopedLocalMemory = Scoped<LocalMemoryTraits<T>>;

// An exported function of a loaded module, as the type the caller names;
// nullptr when the module or the export is missing.
template <typename Fn>
Fn FindExport(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The program's one kind of lock: a critical section, initialised and deleted
// with its owner.
class CriticalSection {
 public:
  CriticalSection() { InitializeCriticalSection(&section_); }
  ~CriticalSection() { DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;
  CRITICAL_SECTION& Get() { return section_; }

 private:
  CRITICAL_SECTION section_;
};

// Holds a critical section while it lives.
class CriticalSectionLock {
 public:
  explicit CriticalSectionLock(CRITICAL_SECTION& section) : section_(section) {
    EnterCriticalSection(&section_);
  }
  explicit CriticalSectionLock(CriticalSection& section) : CriticalSectionLock(section.Get()) {}
  ~CriticalSectionLock() { LeaveCriticalSection(&section_); }
  CriticalSectionLock(const CriticalSectionLock&) = delete;
  CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

 private:
  CRITICAL_SECTION& section_;
};
