#include "gdi_report.h"

#include <cmath>
#include <cwchar>
#include <utility>
#include <vector>

#include "constants.h"
#include "fill.h"
#include "texts.h"
#include "wide_text.h"

namespace cp {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
constexpr double kLeftMarginTwips = 2000;  // the printer's two page settings
constexpr double kTopMarginTwips = 1000;
constexpr int kEllipseVertices = 72;

// Monospaced CJK faces, the first one installed taken: a CJK character is exactly two
// narrow characters wide, so that tab columns line up.
constexpr const wchar_t* kReportFaces[] = {L"NSimSun", L"SimSun", L"WenQuanYi Micro Hei Mono",
                                           L"WenQuanYi Zen Hei Mono"};

// Device units of the page, measured from the paper's edge.
class Page {
 public:
  explicit Page(HDC device)
      : device_(device),
        per_mm_x_(::GetDeviceCaps(device, LOGPIXELSX) / kMillimetresPerInch),
        per_mm_y_(::GetDeviceCaps(device, LOGPIXELSY) / kMillimetresPerInch),
        offset_x_(::GetDeviceCaps(device, PHYSICALOFFSETX)),
        offset_y_(::GetDeviceCaps(device, PHYSICALOFFSETY)),
        height_(::GetDeviceCaps(device, VERTRES)) {}

  int x(double mm) const { return static_cast<int>(std::lround(mm * per_mm_x_)) - offset_x_; }
  int y(double mm) const { return static_cast<int>(std::lround(mm * per_mm_y_)) - offset_y_; }
  int size(double mm) const { return static_cast<int>(std::lround(mm * per_mm_y_)); }
  int height() const { return height_; }
  HDC device() const { return device_; }

 private:
  HDC device_;
  double per_mm_x_;
  double per_mm_y_;
  int offset_x_;
  int offset_y_;
  int height_;
};

// A font selected into the device for as long as it lives.
class SelectedFont {
 public:
  SelectedFont(const Page& page, double points) : device_(page.device()) {
    const int height = -page.size(points * kMillimetresPerInch / kPointsPerInch);
    for (const wchar_t* face : kReportFaces) {
      font_ = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, face);
      previous_ = ::SelectObject(device_, font_);
      wchar_t chosen[LF_FACESIZE] = L"";
      ::GetTextFaceW(device_, LF_FACESIZE, chosen);
      if (std::wstring(chosen) == face) return;
      ::SelectObject(device_, previous_);
      ::DeleteObject(font_);
    }
    // None of them: the system's fixed-pitch face for Chinese.
    font_ = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, nullptr);
    previous_ = ::SelectObject(device_, font_);
  }
  ~SelectedFont() {
    ::SelectObject(device_, previous_);
    ::DeleteObject(font_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC device_;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

void text_at(HDC device, int x, int y, const std::string& utf8) {
  const std::wstring text = wide_of(utf8);
  ::TextOutW(device, x, y, text.c_str(), static_cast<int>(text.size()));
}

// Writes rows and places boxes down the pages, starting a new page when one fills.
class Pages {
 public:
  explicit Pages(const Page& page)
      : page_(page),
        left_(page.x(kLeftMarginTwips / kTwipsPerInch * kMillimetresPerInch)),
        top_(page.y(kTopMarginTwips / kTwipsPerInch * kMillimetresPerInch)),
        bottom_(page.height() - top_),
        y_(top_) {}

  bool rows(const std::vector<ReportRow>& rows, const std::vector<ReportRow>* heading = nullptr) {
    for (const ReportRow& row : rows) {
      SelectedFont font(page_, row.points);
      TEXTMETRICW metrics{};
      ::GetTextMetricsW(page_.device(), &metrics);
      SIZE narrow{};
      ::GetTextExtentPoint32W(page_.device(), L"0", 1, &narrow);
      const int line = metrics.tmHeight + metrics.tmExternalLeading;
      if (y_ + line > bottom_ && y_ > top_) {
        if (!new_page()) return false;
        if (heading && !this->rows(*heading)) return false;
      }
      ::SetTextAlign(page_.device(), TA_TOP | TA_LEFT);
      for (const ReportItem& item : row.items)
        text_at(page_.device(), left_ + (item.column - 1) * narrow.cx, y_, item.text);
      y_ += line;
    }
    return true;
  }

  bool new_page() {
    y_ = top_;
    return ::EndPage(page_.device()) > 0 && ::StartPage(page_.device()) > 0;
  }

  // The top left corner of a box of this height at the left margin, device units.
  std::pair<int, int> box(int height) {
    if (y_ + height > bottom_ && y_ > top_) new_page();
    const int top = y_;
    y_ += height;
    return {left_, top};
  }

 private:
  const Page& page_;
  int left_;
  int top_;
  int bottom_;
  int y_;
};

void draw_drawing(const Page& page, const Drawing& d, int left, int top) {
  HDC device = page.device();
  const auto at = [&](PaperPoint p) { return POINT{left + page.size(p.x), top + page.size(p.y)}; };
  const auto pen = [&](double width_mm, COLORREF colour) {
    return ::CreatePen(PS_SOLID, std::max(1, page.size(width_mm)), colour);
  };
  HPEN thin = pen(0.15, RGB(0, 0, 0));
  HPEN side = pen(0.3, RGB(0, 0, 0));
  HPEN radial = pen(0.15, RGB(102, 102, 102));
  HPEN ellipse = pen(0.15, RGB(255, 0, 0));
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
  for (const DrawnEllipse& e : d.ellipses) {
    POINT outline[kEllipseVertices + 1];
    const double turn = e.rotation * kDegree;
    for (int i = 0; i <= kEllipseVertices; ++i) {
      const double t = 2 * kPi * i / kEllipseVertices;
      const double x = e.major * std::cos(t);
      const double y = e.minor * std::sin(t);
      outline[i] = at({e.centre.x + x * std::cos(turn) - y * std::sin(turn),
                       e.centre.y + x * std::sin(turn) + y * std::cos(turn)});
    }
    ::Polyline(device, outline, kEllipseVertices + 1);
  }
  ::SelectObject(device, thin);
  const int s = page.size(1.2);
  for (const DrawnMark& mark : d.marks) {
    const POINT p = at(mark.at);
    switch (mark.kind) {
      case MarkKind::KnownPoint: {
        const POINT triangle[] = {{p.x, p.y - s * 6 / 5},
                                  {p.x + s, p.y + s * 7 / 10},
                                  {p.x - s, p.y + s * 7 / 10},
                                  {p.x, p.y - s * 6 / 5}};
        ::Polyline(device, triangle, 4);
        break;
      }
      case MarkKind::Centre:
        ::Ellipse(device, p.x - s * 13 / 10, p.y - s * 13 / 10, p.x + s * 13 / 10,
                  p.y + s * 13 / 10);
        ::Ellipse(device, p.x - s * 6 / 10, p.y - s * 6 / 10, p.x + s * 6 / 10, p.y + s * 6 / 10);
        break;
      case MarkKind::NewPoint:
        ::Ellipse(device, p.x - s * 8 / 10, p.y - s * 8 / 10, p.x + s * 8 / 10, p.y + s * 8 / 10);
        break;
    }
  }
  {
    SelectedFont font(page, d.label_height / kMillimetresPerInch * kPointsPerInch);
    ::SetTextAlign(device, TA_BASELINE | TA_LEFT);
    ::SetBkMode(device, TRANSPARENT);
    for (const DrawnLabel& label : d.labels) {
      const POINT p = at(label.at);
      text_at(device, p.x, p.y, label.text);
    }
  }
  ::SelectObject(device, previous);
  for (HPEN used : {thin, side, radial, ellipse}) ::DeleteObject(used);
}

}  // namespace

bool draw_report(HDC device, const ReportDocument& document) {
  const Page page(device);
  Pages pages(page);
  if (::StartPage(device) <= 0) return false;
  if (!pages.rows(document.rows) || !pages.new_page() || !pages.rows(document.appendix_heading))
    return false;
  const auto [left, top] = pages.box(page.size(document.drawing.height));
  draw_drawing(page, document.drawing, left, top);
  if (!pages.rows(document.grade_check) || !pages.rows(document.appendix_table_heading) ||
      !pages.rows(document.appendix_table, &document.appendix_table_heading))
    return false;
  return ::EndPage(device) > 0;
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
