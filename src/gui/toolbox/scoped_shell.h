#pragma once
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "gui/toolbox/scoped.h"

// Owners for what COM and the shell hand out.

using ScopedDrop = Scoped<NullEmptyTraits<HDROP, DragFinish>>;

// Memory from the COM task allocator (item id lists and the like).
template <typename T>
struct TaskMemoryTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static void Free(Handle memory) {
    CoTaskMemFree(const_cast<void*>(static_cast<const void*>(memory)));
  }
};
template <typename T>
using ScopedTaskMemory = Scoped<TaskMemoryTraits<T>>;

// An interface pointer that COM handed out, released once.
template <typename Interface>
struct ComInterfaceTraits {
  using Handle = Interface*;
  static Handle Empty() { return nullptr; }
  static void Free(Handle object) { object->Release(); }
};
template <typename Interface>
using ScopedComInterface = Scoped<ComInterfaceTraits<Interface>>;

// COM on the calling thread while it lives; the start is balanced only when
// it succeeded, so the thread is left as it was.
class ComApartment {
 public:
  ComApartment() : result_(CoInitialize(nullptr)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};
