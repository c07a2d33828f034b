#include "support/shown_cursor.h"

#include <windows.h>

#include <sstream>

#include "support/dialog_driver.h"
#include "support/pump.h"
#include "support/temp_dir.h"
#include "support/unix_side.h"

namespace {

// Samples the pointer's picture for argv[1] ms and writes each one seen once
// to argv[2] (renamed into place when complete).
const char SamplerScript[] = R"(import ctypes, hashlib, os, sys, time
class Image(ctypes.Structure):
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short), ('width', ctypes.c_ushort),
                ('height', ctypes.c_ushort), ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('serial', ctypes.c_ulong), ('pixels', ctypes.c_void_p), ('atom', ctypes.c_ulong),
                ('name', ctypes.c_char_p)]
x11 = ctypes.CDLL('libX11.so.6')
fixes = ctypes.CDLL('libXfixes.so.3')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XFree.argtypes = [ctypes.c_void_p]
fixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
frames = set()
end = time.monotonic() + int(sys.argv[1]) / 1000.0
while display and time.monotonic() < end:
    image = fixes.XFixesGetCursorImage(display)
    if not image:
        break
    i = image.contents
    bits = ctypes.string_at(i.pixels, i.width * i.height * ctypes.sizeof(ctypes.c_ulong))
    frames.add('%dx%d hot %d,%d %s' % (i.width, i.height, i.xhot, i.yhot,
                                        hashlib.md5(bits).hexdigest()))
    x11.XFree(image)
with open(sys.argv[2] + '.part', 'w') as out:
    out.write(''.join(frame + '\n' for frame in sorted(frames)))
os.rename(sys.argv[2] + '.part', sys.argv[2])
)";

}  // namespace

std::vector<std::string> ShownCursorFrames(unsigned ms) {
  std::vector<std::string> frames;
  const TempDir scratch;
  const std::wstring script = scratch / L"sampler.py";
  const std::wstring result = scratch / L"frames.txt";
  if (UnixPath(scratch.Path()).empty()) return frames;
  scratch.WriteFile(L"sampler.py", SamplerScript);
  // The window threads of this process go on answering while it samples.
  if (!RunUnix(L"/usr/bin/python3 \"" + UnixPath(script) + L"\" " + std::to_wstring(ms) + L" \"" +
                   UnixPath(scratch.Path()) + L"/frames.txt\"",
               [&] {
                 PumpPending();
                 return FileExists(result);
               })) {
    return frames;
  }
  std::istringstream lines(ReadWholeFile(result));
  for (std::string line; std::getline(lines, line);) frames.push_back(line);
  return frames;
}

std::vector<std::string> SystemCursorFrames(const wchar_t* id, unsigned ms) {
  const OwnerWindow window(100, 100, 300, 200, L"Cursor");
  // Its class's cursor, put back afterwards for the other owner windows.
  const HCURSOR cursor = LoadCursorW(nullptr, id);
  const LONG_PTR usual =
      SetClassLongPtrW(window.Handle(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
  // A move inside the window makes it set that cursor.
  SetCursorPos(249, 199);
  PumpFor(50);
  SetCursorPos(250, 200);
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  PumpUntil([&] { return GetCursorInfo(&info) && info.hCursor == cursor; }, 2000);
  std::vector<std::string> frames;
  if (info.hCursor == cursor) frames = ShownCursorFrames(ms);
  SetClassLongPtrW(window.Handle(), GCLP_HCURSOR, usual);
  return frames;
}
