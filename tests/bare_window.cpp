// The smallest Win32 window there is, titled "bare-window-probe": the yardstick the
// Windows suite times the program's own window against, started the same way under the
// same Wine server.
#include <windows.h>

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
  HWND window = ::CreateWindowW(L"BareWindowProbe", L"bare-window-probe", WS_OVERLAPPEDWINDOW, 0, 0,
                                400, 300, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, SW_SHOW);
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
