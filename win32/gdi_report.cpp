#include "gdi_report.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <span>
#include <utility>
#include <vector>

#include "constants.h"
#include "display_width.h"
#include "fill.h"
#include "network_extent.h"
#include "printed_pages.h"
#include "text_runs.h"
#include "texts.h"
#include "utf8.h"
#include "wide_text.h"

namespace cp {
namespace {

// Monospaced CJK faces, the first one installed taken: a CJK character is exactly two
// narrow characters wide, so that tab columns line up.
constexpr const wchar_t* kReportFaces[] = {L"NSimSun", L"SimSun", L"WenQuanYi Micro Hei Mono",
                                           L"WenQuanYi Zen Hei Mono"};

// Device units of the page. Millimetres are measured on the paper, from its top left
// corner, as the layout gives them; where the printable area does not hold the report's
// box (the margins and the drawing's width, the rows' height), the page is scaled down
// as a whole into the printable area, never clipped.
class Page {
 public:
  Page(HDC device, double content_right)
      : device_(device),
        per_mm_x_(::GetDeviceCaps(device, LOGPIXELSX) / page::kMillimetresPerInch),
        per_mm_y_(::GetDeviceCaps(device, LOGPIXELSY) / page::kMillimetresPerInch),
        offset_x_(::GetDeviceCaps(device, PHYSICALOFFSETX)),
        offset_y_(::GetDeviceCaps(device, PHYSICALOFFSETY)) {
    // The printable area in millimetres of the paper, and the report's box.
    const double left = offset_x_ / per_mm_x_;
    const double top = offset_y_ / per_mm_y_;
    const double right = left + ::GetDeviceCaps(device, HORZRES) / per_mm_x_;
    const double bottom = top + ::GetDeviceCaps(device, VERTRES) / per_mm_y_;
    const double box_left = page::kLeftMargin;
    const double box_top = page::kTopMargin;
    const double box_right = content_right;
    const double box_bottom = page::kBottom;
    if (box_left >= left && box_top >= top && box_right <= right && box_bottom <= bottom) return;
    scale_ = std::min(
        {1.0, (right - left) / (box_right - box_left), (bottom - top) / (box_bottom - box_top)});
    // The scaled box stands centred in the printable area.
    shift_x_ = left + ((right - left) - (box_right - box_left) * scale_) / 2 - box_left * scale_;
    shift_y_ = top + ((bottom - top) - (box_bottom - box_top) * scale_) / 2 - box_top * scale_;
  }

  int x(double mm) const { return device_units(shift_x_ + mm * scale_, per_mm_x_) - offset_x_; }
  int y(double mm) const { return device_units(shift_y_ + mm * scale_, per_mm_y_) - offset_y_; }
  int size(double mm) const { return device_units(mm * scale_, per_mm_y_); }
  double units(double mm) const { return mm * scale_ * per_mm_x_; }  // unrounded, along x
  HDC device() const { return device_; }

 private:
  static int device_units(double mm, double per_mm) {
    return static_cast<int>(std::lround(mm * per_mm));
  }

  HDC device_;
  double per_mm_x_;
  double per_mm_y_;
  int offset_x_;
  int offset_y_;
  double scale_ = 1;
  double shift_x_ = 0;
  double shift_y_ = 0;
};

// The monospaced Latin faces set beside a Chinese face that has no Latin letters.
constexpr const wchar_t* kLatinReportFaces[] = {L"Courier New", L"Consolas", L"DejaVu Sans Mono",
                                                L"Liberation Mono"};

// The face at the height and, where one is given, the average width, if the system has
// it itself and not a stand-in; else null.
HFONT real_face(HDC device, const wchar_t* face, BYTE charset, int height, int width) {
  HFONT font = ::CreateFontW(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FIXED_PITCH | FF_MODERN, face);
  HGDIOBJ previous = ::SelectObject(device, font);
  wchar_t chosen[LF_FACESIZE] = L"";
  ::GetTextFaceW(device, LF_FACESIZE, chosen);
  ::SelectObject(device, previous);
  if (face && std::wstring(chosen) == face) return font;
  ::DeleteObject(font);
  return nullptr;
}

// The first of the faces that the system has itself; else null.
HFONT first_real_face(HDC device, std::span<const wchar_t* const> faces, BYTE charset, int height,
                      int width) {
  for (const wchar_t* face : faces)
    if (HFONT font = real_face(device, face, charset, height, width)) return font;
  return nullptr;
}

// The report's font at a size, selected into the device for as long as it lives: a
// monospaced CJK face, else the window's Chinese face; and beside it, where that face
// has no Latin letters or digits, a monospaced Latin face (else the window's) whose
// characters are as wide as the layout's narrow advance.
class SelectedFont {
 public:
  SelectedFont(const Page& page, double points) : device_(page.device()) {
    const int height = -page.size(page::em(points));
    HFONT main = first_real_face(device_, kReportFaces, DEFAULT_CHARSET, height, 0);
    if (!main) main = real_face(device_, chinese_face_name().c_str(), GB2312_CHARSET, height, 0);
    if (!main) {  // no Chinese face at all: whatever the system sets for Chinese
      main = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, nullptr);
    }
    previous_ = ::SelectObject(device_, main);
    HFONT latin = nullptr;
    if (!draws_all(device_, kPrintableAscii)) {
      const int narrow =
          static_cast<int>(std::lround(page.units(page::em(points) * page::kNarrowAdvance)));
      latin = first_real_face(device_, kLatinReportFaces, ANSI_CHARSET, height, narrow);
      if (!latin)
        latin = real_face(device_, latin_face_name().c_str(), ANSI_CHARSET, height, narrow);
    }
    fonts_ = FontPair(main, latin);
  }
  ~SelectedFont() { ::SelectObject(device_, previous_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

  const FontPair& fonts() const { return fonts_; }

 private:
  HDC device_;
  FontPair fonts_;
  HGDIOBJ previous_ = nullptr;
};

// The text from the point, each run in its font.
void text_at(HDC device, const FontPair& fonts, int x, int y, const std::string& utf8) {
  const std::wstring text = wide_of(utf8);
  for (const TextRun& run : text_runs(device, fonts, text)) {
    ::SelectObject(device, run.font);
    ::TextOutW(device, x, y, text.c_str() + run.start, static_cast<int>(run.length));
    SIZE size{};
    ::GetTextExtentPoint32W(device, text.c_str() + run.start, static_cast<int>(run.length), &size);
    x += size.cx;
  }
  ::SelectObject(device, fonts.main());
}

// A row's item in its columns: each character advances by the layout's narrow width, or
// twice that for a wide one, whatever the face's own advances, so that the next item's
// column is never run into.
void item_at(HDC device, const FontPair& fonts, int x, int y, const std::string& utf8,
             double narrow) {
  std::wstring text;
  std::vector<INT> advances;
  int columns = 0;
  int placed = 0;  // device units from x, rounded from the columns so that none drift
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t start = at;
    const std::wstring units = wide_of(utf8_of(next_code_point(utf8, at)));
    columns += display_width(std::string_view(utf8).substr(start, at - start));
    const int next = static_cast<int>(std::lround(columns * narrow));
    text += units;
    advances.push_back(next - placed);
    if (units.size() == 2) advances.push_back(0);  // the second half of a surrogate pair
    placed = next;
  }
  for (const TextRun& run : text_runs(device, fonts, text)) {
    ::SelectObject(device, run.font);
    ::ExtTextOutW(device, x, y, 0, nullptr, text.c_str() + run.start, static_cast<UINT>(run.length),
                  advances.data() + run.start);
    for (std::size_t i = run.start; i < run.start + run.length; ++i) x += advances[i];
  }
  ::SelectObject(device, fonts.main());
}

// The rows of one page at the layout's places, each item at its column, in millimetres
// as the PDF sets them.
void draw_rows(const Page& page, const std::vector<PlacedRow>& rows) {
  for (const PlacedRow& placed : rows) {
    const double em = page::em(placed.row->points);
    SelectedFont font(page, placed.row->points);
    ::SetTextAlign(page.device(), TA_TOP | TA_LEFT);
    const double narrow = em * page::kNarrowAdvance;
    for (const ReportItem& item : placed.row->items) {
      const double x = page::kLeftMargin + (item.column - 1) * narrow;
      item_at(page.device(), font.fonts(), page.x(x), page.y(placed.top), item.text,
              page.units(narrow));
    }
  }
}

// Paper millimetres of the drawing at device units on the page, from its top left corner.
struct OnPage {
  const Page& page;
  int left, top;
  POINT operator()(PaperPoint p) const { return {left + page.size(p.x), top + page.size(p.y)}; }
};

// Each error ellipse as a closed outline of straight pieces.
void draw_ellipses(HDC device, const Drawing& d, const OnPage& at) {
  for (const DrawnEllipse& e : d.ellipses) {
    POINT outline[kEllipseOutlineVertices + 1];
    const double turn = e.rotation * kDegree;
    for (int i = 0; i <= kEllipseOutlineVertices; ++i) {
      const double t = 2 * kPi * i / kEllipseOutlineVertices;
      const double x = e.major * std::cos(t);
      const double y = e.minor * std::sin(t);
      outline[i] = at({e.centre.x + x * std::cos(turn) - y * std::sin(turn),
                       e.centre.y + x * std::sin(turn) + y * std::cos(turn)});
    }
    ::Polyline(device, outline, kEllipseOutlineVertices + 1);
  }
}

// The points' marks, as the layout shapes them.
void draw_marks(HDC device, const Drawing& d, const OnPage& at) {
  for (const DrawnMark& mark : d.marks) {
    const MarkShape shape = mark_shape(mark.kind);
    std::vector<POINT> outline;
    for (const PaperPoint& p : shape.outline)
      outline.push_back(at({mark.at.x + p.x, mark.at.y + p.y}));
    if (!outline.empty()) {
      outline.push_back(outline.front());
      ::Polyline(device, outline.data(), static_cast<int>(outline.size()));
    }
    for (const double radius : shape.rings) {
      const POINT top_left = at({mark.at.x - radius, mark.at.y - radius});
      const POINT bottom_right = at({mark.at.x + radius, mark.at.y + radius});
      ::Ellipse(device, top_left.x, top_left.y, bottom_right.x, bottom_right.y);
    }
  }
}

void draw_drawing(const Page& page, const Drawing& d, int left, int top) {
  HDC device = page.device();
  const OnPage at{page, left, top};
  const auto pen = [&](Stroke stroke) {
    const StrokeStyle style = stroke_style(stroke);
    return ::CreatePen(PS_SOLID, std::max(1, page.size(style.width)),
                       RGB(style.red, style.green, style.blue));
  };
  HPEN thin = pen(Stroke::Arrow);
  HPEN side = pen(Stroke::Perimeter);
  HPEN radial = pen(Stroke::Radial);
  HPEN ellipse = pen(Stroke::Ellipse);
  HGDIOBJ previous = ::SelectObject(device, thin);
  ::SelectObject(device, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(device, left, top, left + page.size(d.width), top + page.size(d.height));
  for (const DrawnLine& line : d.lines) {
    ::SelectObject(device, line.stroke == Stroke::Perimeter ? side
                           : line.stroke == Stroke::Radial  ? radial
                                                            : thin);
    const POINT from = at(line.from);
    const POINT to = at(line.to);
    ::MoveToEx(device, from.x, from.y, nullptr);
    ::LineTo(device, to.x, to.y);
  }
  ::SelectObject(device, ellipse);
  draw_ellipses(device, d, at);
  ::SelectObject(device, thin);
  draw_marks(device, d, at);
  {
    SelectedFont font(page, d.label_height / page::kMillimetresPerInch * page::kPointsPerInch);
    ::SetTextAlign(device, TA_BASELINE | TA_LEFT);
    ::SetBkMode(device, TRANSPARENT);
    for (const DrawnLabel& label : d.labels) {
      const POINT p = at(label.at);
      text_at(device, font.fonts(), p.x, p.y, label.text);
    }
  }
  ::SelectObject(device, previous);
  for (HPEN used : {thin, side, radial, ellipse}) ::DeleteObject(used);
}

// Whether the spooler holds the printer's jobs: the printer paused, or set to be used
// offline. Its jobs wait in the queue until it is resumed.
bool printer_holds_jobs(const std::wstring& printer) {
  HANDLE handle = nullptr;
  if (!::OpenPrinterW(const_cast<wchar_t*>(printer.c_str()), &handle, nullptr)) return false;
  DWORD needed = 0;
  ::GetPrinterW(handle, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  const bool held =
      needed != 0 && ::GetPrinterW(handle, 2, info.data(), needed, &needed) &&
      ((reinterpret_cast<const PRINTER_INFO_2W*>(info.data())->Status & PRINTER_STATUS_PAUSED) ||
       (reinterpret_cast<const PRINTER_INFO_2W*>(info.data())->Attributes &
        PRINTER_ATTRIBUTE_WORK_OFFLINE));
  ::ClosePrinter(handle);
  return held;
}

}  // namespace

bool draw_report(HDC device, const ReportDocument& document) {
  // The report's box is as wide as the drawing from the left margin: no row is wider.
  const Page page(device, page::kLeftMargin + document.drawing.width);
  const std::vector<PrintedPage> pages = printed_pages(document);
  for (const PrintedPage& printed : pages) {
    if (::StartPage(device) <= 0) return false;
    draw_rows(page, printed.rows);
    if (printed.drawing) {
      draw_drawing(page, document.drawing, page.x(printed.drawing->x), page.y(printed.drawing->y));
    }
    if (::EndPage(device) <= 0) return false;
  }
  return true;
}

PrintOutcome print_job(const std::wstring& printer, const ReportDocument& document,
                       const std::wstring* output) {
  HDC device = ::CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
  if (!device) return {.detail = system_message(::GetLastError())};
  const std::wstring title = wide_of(text::kProgramTitle);
  DOCINFOW job{};
  job.cbSize = sizeof job;
  job.lpszDocName = title.c_str();
  job.lpszOutput = output ? output->c_str() : nullptr;
  bool done = ::StartDocW(device, &job) > 0 && draw_report(device, document);
  const DWORD error = ::GetLastError();
  done = ::EndDoc(device) > 0 && done;
  ::DeleteDC(device);
  // A spooler that refuses a job does not always set the last error: the job did not end.
  if (!done) return {.detail = error ? system_message(error) : std::string(text::kPrintJobFailed)};
  // Taken, but a paused printer holds it: say so, as for a stopped queue on Linux.
  if (printer_holds_jobs(printer)) return {.detail = std::string(text::kPrinterStopped)};
  return {.done = true};
}

std::optional<std::string> gdi_default_printer() {
  DWORD size = 0;
  ::GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return std::nullopt;
  std::wstring name(size, L'\0');
  if (!::GetDefaultPrinterW(name.data(), &size)) return std::nullopt;
  name.resize(std::wcslen(name.c_str()));
  return utf8_of(name);
}

PrintOutcome print_on_default_printer(const ReportDocument& document) {
  const auto printer = gdi_default_printer();
  if (!printer) return {.detail = std::string(text::kNoPrinter)};
  PrintOutcome printed = print_job(wide_of(*printer), document);
  if (!printed.done) {
    printed.detail = text::fill_in(text::kPrinterFailed,
                                   {{"{printer}", *printer}, {"{reason}", printed.detail}});
  }
  return printed;
}

}  // namespace cp
