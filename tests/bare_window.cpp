// The smallest Win32 window there is, titled "bare-window-probe", of the program's own
// window's size: the yardstick the Windows suite times that window against, started the
// same way under the same Wine server.
#include <windows.h>

#include "layout_table.h"

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW type{};
  type.lpfnWndProc = procedure;
  type.hInstance = instance;
  type.lpszClassName = L"BareWindowProbe";
  ::RegisterClassW(&type);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, cp::kClientWidth / cp::kTwipsPerPixel, cp::kClientHeight / cp::kTwipsPerPixel};
  ::AdjustWindowRectEx(&outer, style, FALSE, 0);
  HWND window = ::CreateWindowW(L"BareWindowProbe", L"bare-window-probe", style, 0, 0,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, instance, nullptr);
  ::ShowWindow(window, SW_SHOW);
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
