#include "skin/engine/painter.h"

#include <algorithm>

#include "skin/engine/gdi.h"

namespace tessaly::skin {
namespace {

COLORREF mix(COLORREF a, COLORREF b, int percentOfB) {
  const auto channel = [&](int shift) {
    const int x = static_cast<int>((a >> shift) & 0xFF), y = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<COLORREF>((x * (100 - percentOfB) + y * percentOfB) / 100) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
  const Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

// A vertical gradient from `top` to `bottom`, one band per row.
void fillGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  const int rows = area.bottom - area.top;
  if (top == bottom || rows <= 1) return fill(dc, area, top);
  for (int y = 0; y < rows; ++y) {
    const RECT row{area.left, area.top + y, area.right, area.top + y + 1};
    fill(dc, row, mix(top, bottom, y * 100 / (rows - 1)));
  }
}

void roundedOutline(HDC dc, const RECT& area, COLORREF colour, int radius) {
  const Pen pen(CreatePen(PS_SOLID, 1, colour));
  const Selection usePen(dc, pen.get());
  const Selection noFill(dc, GetStockObject(NULL_BRUSH));
  if (radius > 0)
    RoundRect(dc, area.left, area.top, area.right, area.bottom, 2 * radius, 2 * radius);
  else
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

void drawText(HDC dc, const std::string& text, RECT area, HFONT font, COLORREF colour,
              UINT format) {
  const Selection useFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

// Centres multi-line text vertically: DrawText does that for one line only.
void drawCentredText(HDC dc, const std::string& text, RECT area, HFONT font, COLORREF colour,
                     bool multiline) {
  if (!multiline)
    return drawText(dc, text, area, font, colour, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  RECT measure = area;
  {
    const Selection useFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure,
              DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  }
  const int height = measure.bottom - measure.top;
  area.top += std::max<LONG>(0, (area.bottom - area.top - height) / 2);
  drawText(dc, text, area, font, colour, DT_CENTER | DT_WORDBREAK);
}

}  // namespace

void paintPushButton(HDC target, const RECT& area, const Skin& skin, const ButtonLook& look) {
  BackBuffer buffer(target, area);
  const HDC dc = buffer.ok() ? buffer.dc() : target;
  fill(dc, area, look.behind);

  COLORREF top = skin.buttonFace, bottom = skin.buttonFaceBottom;
  if (look.pressed) {
    top = bottom = skin.buttonPressed;  // flat: pressed in
  } else if (look.hot) {
    top = skin.buttonHot;
    bottom = mix(skin.buttonHot, skin.buttonFaceBottom, 60);
  }
  const int radius = std::min<int>(skin.buttonCornerRadius, (area.bottom - area.top) / 2);
  {
    // Clip the gradient to the rounded shape, then outline it.
    GdiObject<HRGN> shape(CreateRoundRectRgn(area.left, area.top, area.right + 1, area.bottom + 1,
                                             2 * radius + 1, 2 * radius + 1));
    POINT origin{};
    GetWindowOrgEx(dc, &origin);
    if (shape) OffsetRgn(shape.get(), -origin.x, -origin.y);
    SelectClipRgn(dc, shape.get());
    fillGradient(dc, area, top, bottom);
    SelectClipRgn(dc, nullptr);
  }
  roundedOutline(dc, area,
                 look.focused ? mix(skin.buttonBorder, skin.buttonText, 40) : skin.buttonBorder,
                 radius);

  RECT text = area;
  InflateRect(&text, -3, -2);
  if (look.pressed) OffsetRect(&text, 1, 1);
  const COLORREF colour =
      look.enabled ? skin.buttonText : mix(skin.buttonText, skin.buttonFace, 55);
  drawCentredText(dc, look.text, text, look.font, colour, look.multiline);
  if (look.focused) {
    RECT focus = area;
    InflateRect(&focus, -3, -3);
    SetTextColor(dc, skin.buttonText);
    SetBkColor(dc, top);
    DrawFocusRect(dc, &focus);
  }
  if (buffer.ok()) buffer.show();
}

void paintCheckBox(HDC target, const RECT& area, const Skin& skin, const CheckBoxLook& look) {
  BackBuffer buffer(target, area);
  const HDC dc = buffer.ok() ? buffer.dc() : target;
  fill(dc, area, look.face);

  constexpr int kBox = 13;
  const int top = area.top + (area.bottom - area.top - kBox) / 2;
  const int left = look.textRight ? area.left : area.right - kBox;
  const RECT box{left, top, left + kBox, top + kBox};
  fill(dc, box, look.enabled ? skin.checkBoxFace : mix(skin.checkBoxFace, look.face, 50));
  roundedOutline(dc, box, skin.checkBoxBorder, 2);
  if (look.checked) {
    const Pen pen(CreatePen(PS_SOLID, 2, skin.checkBoxTick));
    const Selection usePen(dc, pen.get());
    const POINT tick[] = {
        {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, tick, 3);
  }

  RECT text = area;
  if (look.textRight)
    text.left = box.right + 4;
  else
    text.right = box.left - 4;
  const COLORREF colour = look.enabled ? look.textColour : mix(look.textColour, look.face, 55);
  drawText(dc, look.text, text, look.font, colour,
           DT_VCENTER | DT_SINGLELINE | (look.textRight ? DT_LEFT : DT_RIGHT));
  if (look.focused && !look.text.empty()) {
    RECT measured = text;
    {
      const Selection useFont(dc, look.font ? look.font : GetStockObject(DEFAULT_GUI_FONT));
      DrawTextA(dc, look.text.c_str(), static_cast<int>(look.text.size()), &measured,
                DT_SINGLELINE | DT_CALCRECT);
    }
    const int h = measured.bottom - measured.top;
    RECT focus{text.left - 1, area.top + (area.bottom - area.top - h) / 2 - 1,
               text.left + (measured.right - measured.left) + 1, 0};
    focus.bottom = focus.top + h + 2;
    SetTextColor(dc, look.textColour);
    SetBkColor(dc, look.face);
    DrawFocusRect(dc, &focus);
  }
  if (buffer.ok()) buffer.show();
}

void paintGroupBox(HDC dc, const RECT& area, const Skin& skin, const std::string& title, HFONT font,
                   COLORREF textColour) {
  fill(dc, area, skin.windowFace);
  RECT frame = area;
  TEXTMETRICA metrics{};
  {
    const Selection useFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsA(dc, &metrics);
  }
  if (!title.empty()) frame.top += metrics.tmHeight / 2;
  roundedOutline(dc, frame, skin.groupFrame, 3);
  if (title.empty()) return;
  RECT text{area.left + 8, area.top, area.right - 8, area.top + metrics.tmHeight};
  RECT measured = text;
  {
    const Selection useFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT);
  }
  RECT gap{text.left - 2, text.top, std::min(text.right, measured.right + 2), text.bottom};
  fill(dc, gap, skin.windowFace);
  drawText(dc, title, text, font, textColour, DT_LEFT | DT_SINGLELINE);
}

void paintContainer(HDC dc, const RECT& area, const Skin& skin) {
  fill(dc, area, skin.containerFace);
  roundedOutline(dc, area, skin.containerFrame, 0);
}

void replaceColour(HDC dc, const RECT& area, COLORREF from, COLORREF to) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || from == to) return;
  // Copy the area, make a mask of the pixels of colour `from` (monochrome
  // blits turn the background colour into white), and paint `to` through it.
  const MemoryDc copyDc(CreateCompatibleDC(dc));
  const Bitmap copy(CreateCompatibleBitmap(dc, width, height));
  const MemoryDc maskDc(CreateCompatibleDC(dc));
  const Bitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  const Brush paint(CreateSolidBrush(to));
  if (!copyDc || !copy || !maskDc || !mask || !paint) return;
  const Selection useCopy(copyDc.get(), copy.get());
  const Selection useMask(maskDc.get(), mask.get());
  BitBlt(copyDc.get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
  SetBkColor(copyDc.get(), from);
  BitBlt(maskDc.get(), 0, 0, width, height, copyDc.get(), 0, 0, SRCCOPY);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const Selection useBrush(dc, paint.get());
  constexpr DWORD kBrushWhereMaskIsWhite = 0x00E20746;  // DSPDxax
  BitBlt(dc, area.left, area.top, width, height, maskDc.get(), 0, 0, kBrushWhereMaskIsWhite);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

void paintFrameAndCaption(HWND window, const Skin& skin) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  if ((style & WS_CAPTION) != WS_CAPTION || IsIconic(window)) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const int border = client.x - outer.left;
  const int captionBottom = client.y - outer.top;
  if (border < 0 || captionBottom <= border || width <= 2 * border) return;

  const WindowDc windowDc(window, GetWindowDC(window));
  if (!windowDc.get()) return;
  const HDC dc = windowDc.get();
  // The frame: the border strips on all four sides.
  const Brush frameBrush(CreateSolidBrush(skin.frame));
  const RECT strips[] = {{0, 0, width, border},
                         {0, height - border, width, height},
                         {0, 0, border, height},
                         {width - border, 0, width, height}};
  for (const RECT& strip : strips) FillRect(dc, &strip, frameBrush.get());

  // The caption bar: the window's small icon, its title, and the caption
  // buttons drawn where the system places them (hit-testing stays the system's).
  const RECT bar{border, border, width - border, captionBottom};
  fillGradient(dc, bar, mix(skin.caption, RGB(255, 255, 255), 12), skin.caption);
  const int barHeight = bar.bottom - bar.top;
  int textLeft = bar.left + 4;
  if (style & WS_SYSMENU) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL2, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    if (icon) {
      const int size = std::min(16, barHeight - 2);
      DrawIconEx(dc, bar.left + 2, bar.top + (barHeight - size) / 2, icon, size, size, 0, nullptr,
                 DI_NORMAL);
      textLeft = bar.left + size + 6;
    }
  }

  int buttonsLeft = bar.right;
  if (style & WS_SYSMENU) {
    const int size = std::max(8, barHeight - 4);
    const bool hasMinMax = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    const int count = hasMinMax ? 3 : 1;
    const COLORREF buttonFace = mix(skin.caption, RGB(255, 255, 255), 22);
    const Pen glyphPen(CreatePen(PS_SOLID, 2, skin.captionText));
    const Pen dimPen(CreatePen(PS_SOLID, 2, mix(skin.captionText, buttonFace, 60)));
    for (int i = 0; i < count; ++i) {
      const int right = bar.right - 2 - i * (size + 2);
      const RECT button{right - size, bar.top + (barHeight - size) / 2, right,
                        bar.top + (barHeight - size) / 2 + size};
      buttonsLeft = button.left;
      fill(dc, button, buttonFace);
      roundedOutline(dc, button, mix(skin.caption, RGB(0, 0, 0), 20), 2);
      const bool enabled = i == 0 || (i == 1 ? (style & WS_MAXIMIZEBOX) : (style & WS_MINIMIZEBOX));
      const Selection usePen(dc, enabled ? glyphPen.get() : dimPen.get());
      const int m = size / 4;
      if (i == 0) {  // close
        MoveToEx(dc, button.left + m, button.top + m, nullptr);
        LineTo(dc, button.right - m, button.bottom - m);
        MoveToEx(dc, button.right - m, button.top + m, nullptr);
        LineTo(dc, button.left + m, button.bottom - m);
      } else if (i == 1) {  // maximise
        const Selection noFill(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, button.left + m, button.top + m, button.right - m, button.bottom - m);
      } else {  // minimise
        MoveToEx(dc, button.left + m, button.bottom - m, nullptr);
        LineTo(dc, button.right - m, button.bottom - m);
      }
    }
  }

  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  GdiObject<HFONT> font;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font.reset(CreateFontIndirectA(&metrics.lfCaptionFont));
  const RECT text{textLeft, bar.top, buttonsLeft - 4, bar.bottom};
  drawText(dc, title, text, font.get(), skin.captionText,
           DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace tessaly::skin
