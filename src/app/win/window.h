// What the main window and the settings dialogs share as Win32 windows: fonts at a DPI, and a base class
// that hands a window's messages to its object and lays it out at the DPI of its monitor.
#pragma once

#include <windows.h>

#include <string>

#include "system/win/unique_handle.h"

// Twips are physical units, 1440 to the inch.
inline int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}
// The system's message font, at this DPI.
UniqueFont MessageFont(int dpi);
// A GB2312 face of normal weight, `hundredths` hundredths of a point high at this DPI. Without the face
// installed, the font mapper picks the system's GB2312 font of the same size.
UniqueFont Gb2312Font(const wchar_t* face, int hundredths, int dpi);
std::wstring WindowText(HWND window);

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

  protected:
    Window() = default;
    // A window still open is destroyed without a word to the object, which is going away itself.
    virtual ~Window();

    // Registers the class once and creates the window, still invisible; false when the system refuses.
    bool Create(HINSTANCE instance, const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle);
    // Lays the controls out at the window's DPI, gives it this client area and centres it on its screen.
    void LayOut(int clientWidthTwips, int clientHeightTwips);
    void SetIcons(HICON big, HICON small);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Fonts and controls at `dpi`: on creation and after a move to a monitor of another DPI.
    virtual void ApplyLayout() = 0;
    // The window is gone (WM_NCDESTROY); the object may be deleted here.
    virtual void Destroyed() {}

    HWND window = nullptr;
    int dpi = 96;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
