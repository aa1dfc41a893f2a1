#include "report_pdf.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <memory>
#include <utility>
#include <vector>

#include "printed_pages.h"
#include "texts.h"

namespace cp {
namespace {

// A monospaced CJK face, in which a CJK character is exactly two narrow characters wide,
// so that tab columns line up; the first one installed is taken.
constexpr const char* kReportFamilies = "Noto Sans Mono CJK SC, NSimSun, monospace";

struct CairoDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};
template <typename T>
using Owned = std::unique_ptr<T, CairoDeleter>;

cairo_status_t append_to(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Text in the report face at one size, all measures in millimetres.
class Face {
 public:
  Face(cairo_t* cr, double em) : cr_(cr), layout_(pango_cairo_create_layout(cr)) {
    // Positions and advances exactly as the font has them: the page is drawn in
    // millimetres, and rounding them to whole units would round them to millimetres.
    PangoContext* context = pango_layout_get_context(layout_.get());
    pango_context_set_round_glyph_positions(context, FALSE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout_.get());
    Owned<PangoFontDescription> font(pango_font_description_from_string(kReportFamilies));
    pango_font_description_set_absolute_size(font.get(), em * PANGO_SCALE);
    pango_layout_set_font_description(layout_.get(), font.get());
  }

  // Draws the text with its top left corner at (x, y).
  void draw_top_left(double x, double y, const std::string& text) {
    set(text);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_.get());
  }

  // Draws the text with its baseline starting at (x, y).
  void draw_on_baseline(double x, double y, const std::string& text) {
    set(text);
    const double baseline = pango_layout_get_baseline(layout_.get()) / double{PANGO_SCALE};
    cairo_move_to(cr_, x, y - baseline);
    pango_cairo_show_layout(cr_, layout_.get());
  }

 private:
  void set(const std::string& text) {
    pango_layout_set_text(layout_.get(), text.data(), static_cast<int>(text.size()));
  }

  cairo_t* cr_;
  Owned<PangoLayout> layout_;
};

void set_stroke(cairo_t* cr, Stroke stroke) {
  const StrokeStyle style = stroke_style(stroke);
  cairo_set_source_rgb(cr, style.red / 255.0, style.green / 255.0, style.blue / 255.0);
  cairo_set_line_width(cr, style.width);
}

void draw_mark(cairo_t* cr, double x, double y, MarkKind kind) {
  const MarkShape shape = mark_shape(kind);
  set_stroke(cr, Stroke::Arrow);
  cairo_new_path(cr);
  for (std::size_t i = 0; i < shape.outline.size(); ++i) {
    const PaperPoint p = shape.outline[i];
    if (i == 0)
      cairo_move_to(cr, x + p.x, y + p.y);
    else
      cairo_line_to(cr, x + p.x, y + p.y);
  }
  if (!shape.outline.empty()) cairo_close_path(cr);
  for (const double radius : shape.rings) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * G_PI);
  }
  cairo_stroke(cr);
}

// The faces of the report's rows, one a size for the whole document: the rows come in
// a few sizes, and a face made anew for each of the thousands of rows of a large
// polygon's tables was most of the time its PDF took.
class RowFaces {
 public:
  explicit RowFaces(cairo_t* cr) : cr_(cr) {}

  Face& of_size(double em) {
    for (auto& [size, face] : faces_)
      if (size == em) return *face;
    return *faces_.emplace_back(em, std::make_unique<Face>(cr_, em)).second;
  }

 private:
  cairo_t* cr_;
  std::vector<std::pair<double, std::unique_ptr<Face>>> faces_;
};

// The rows of one page, each item at its column.
void draw_rows(RowFaces& faces, const std::vector<PlacedRow>& rows) {
  for (const PlacedRow& placed : rows) {
    const double em = page::em(placed.row->points);
    Face& face = faces.of_size(em);
    for (const ReportItem& item : placed.row->items) {
      face.draw_top_left(page::kLeftMargin + (item.column - 1) * em * page::kNarrowAdvance,
                         placed.top, item.text);
    }
  }
}

void draw(cairo_t* cr, const Drawing& d, double left, double top) {
  cairo_save(cr);
  cairo_translate(cr, left, top);
  set_stroke(cr, Stroke::Arrow);
  cairo_rectangle(cr, 0, 0, d.width, d.height);
  cairo_stroke_preserve(cr);
  cairo_clip(cr);
  for (const DrawnLine& line : d.lines) {
    set_stroke(cr, line.stroke);
    cairo_move_to(cr, line.from.x, line.from.y);
    cairo_line_to(cr, line.to.x, line.to.y);
    cairo_stroke(cr);
  }
  for (const DrawnEllipse& e : d.ellipses) {
    cairo_save(cr);
    cairo_translate(cr, e.centre.x, e.centre.y);
    cairo_rotate(cr, e.rotation * G_PI / 180);
    cairo_scale(cr, e.major, e.minor);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * G_PI);
    cairo_restore(cr);  // the line width is not scaled with the ellipse
    set_stroke(cr, Stroke::Ellipse);
    cairo_stroke(cr);
  }
  for (const DrawnMark& mark : d.marks) draw_mark(cr, mark.at.x, mark.at.y, mark.kind);
  cairo_set_source_rgb(cr, 0, 0, 0);
  Face face(cr, d.label_height);
  for (const DrawnLabel& label : d.labels)
    face.draw_on_baseline(label.at.x, label.at.y, label.text);
  cairo_restore(cr);
}

}  // namespace

PdfBytes render_report_pdf(const ReportDocument& document) {
  PdfBytes out;
  constexpr double kToPoints = page::kPointsPerInch / page::kMillimetresPerInch;
  Owned<cairo_surface_t> surface(cairo_pdf_surface_create_for_stream(
      append_to, &out.bytes, page::kWidth * kToPoints, page::kHeight * kToPoints));
  const std::string title(text::kProgramTitle);
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
  {
    Owned<cairo_t> cr(cairo_create(surface.get()));
    cairo_scale(cr.get(), kToPoints, kToPoints);  // drawn in millimetres
    const std::vector<PrintedPage> pages = printed_pages(document);
    RowFaces faces(cr.get());
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) cairo_show_page(cr.get());
      draw_rows(faces, pages[i].rows);
      if (const auto box = pages[i].drawing) draw(cr.get(), document.drawing, box->x, box->y);
    }
    if (const cairo_status_t status = cairo_status(cr.get()); status != CAIRO_STATUS_SUCCESS)
      out.failure = cairo_status_to_string(status);
  }
  cairo_surface_finish(surface.get());
  if (const cairo_status_t status = cairo_surface_status(surface.get());
      out.failure.empty() && status != CAIRO_STATUS_SUCCESS)
    out.failure = cairo_status_to_string(status);
  if (!out.failure.empty()) out.bytes.clear();
  return out;
}

}  // namespace cp
