#include "report_pdf.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "printed_pages.h"
#include "texts.h"
#include "utf8.h"

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
  void operator()(PangoFont* font) const { g_object_unref(font); }
};
template <typename T>
using Owned = std::unique_ptr<T, CairoDeleter>;

cairo_status_t append_to(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The glyphs of one page, gathered by font and shown with one call a font: a call for
// each of the thousands of items of a long report was most of its PDF's time, in the
// PDF's text objects. Each glyph keeps the characters it stands for, as a cluster of its
// own, so that the file's text layer is the text.
class PageText {
 public:
  void add(cairo_scaled_font_t* font, cairo_glyph_t glyph, std::string_view characters) {
    Run* run = nullptr;
    for (Run& r : runs_)
      if (r.font == font) run = &r;
    if (run == nullptr) run = &runs_.emplace_back(Run{font, {}, {}, {}});
    run->glyphs.push_back(glyph);
    run->text.append(characters);
    run->clusters.push_back({static_cast<int>(characters.size()), 1});
  }

  // Shows what was gathered, and forgets it.
  void show(cairo_t* cr) {
    for (const Run& run : runs_) {
      cairo_set_scaled_font(cr, run.font);
      cairo_show_text_glyphs(cr, run.text.data(), static_cast<int>(run.text.size()),
                             run.glyphs.data(), static_cast<int>(run.glyphs.size()),
                             run.clusters.data(), static_cast<int>(run.clusters.size()),
                             cairo_text_cluster_flags_t{});
    }
    runs_.clear();
  }

 private:
  struct Run {
    cairo_scaled_font_t* font;
    std::vector<cairo_glyph_t> glyphs;
    std::string text;
    std::vector<cairo_text_cluster_t> clusters;
  };
  std::vector<Run> runs_;
};

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

  // Sets the text with its top left corner at (x, y).
  void set_top_left(double x, double y, const std::string& text, PageText& page) {
    set(x, y, text, false, page);
  }

  // Sets the text with its baseline starting at (x, y).
  void set_on_baseline(double x, double y, const std::string& text, PageText& page) {
    set(x, y, text, true, page);
  }

 private:
  // A character as the face sets it alone, in Pango units: one glyph of one font.
  struct Glyph {
    PangoFont* font;
    PangoGlyphInfo info;
    int baseline;  // of a line of this font, below its top
  };

  // Text whose every character sets alone as one glyph, all of one font, is set glyph
  // by glyph into the page, where the layout would have put them: the report's faces
  // are monospaced, a character's glyph and advance the same whatever stands beside it.
  // Any other text (with characters from two fonts; one that takes two glyphs or none)
  // is laid out and drawn whole.
  void set(double x, double y, const std::string& text, bool on_baseline, PageText& page) {
    if (text.empty()) return;
    glyphs_.clear();
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t from = at;
      const Glyph* glyph = glyph_of(next_code_point(text, at));
      if (glyph == nullptr || (!glyphs_.empty() && glyph->font != glyphs_.front().first->font))
        return draw_laid_out(x, y, text, on_baseline);
      glyphs_.emplace_back(glyph, std::string_view(text).substr(from, at - from));
    }
    const Glyph& first = *glyphs_.front().first;
    cairo_scaled_font_t* font = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(first.font));
    const double baseline = on_baseline ? y : y + first.baseline / double{PANGO_SCALE};
    int advance = 0;
    for (const auto& [glyph, characters] : glyphs_) {
      const PangoGlyphGeometry& g = glyph->info.geometry;
      page.add(font,
               {glyph->info.glyph, x + (advance + g.x_offset) / double{PANGO_SCALE},
                baseline + g.y_offset / double{PANGO_SCALE}},
               characters);
      advance += g.width;
    }
  }

  void draw_laid_out(double x, double y, const std::string& text, bool on_baseline) {
    pango_layout_set_text(layout_.get(), text.data(), static_cast<int>(text.size()));
    const double baseline =
        on_baseline ? pango_layout_get_baseline(layout_.get()) / double{PANGO_SCALE} : 0;
    cairo_move_to(cr_, x, y - baseline);
    pango_cairo_show_layout(cr_, layout_.get());
  }

  // How the face sets the character alone; none where that is not one glyph of one font
  // (a mark that takes a dotted circle, an invisible character, one no font has).
  const Glyph* glyph_of(char32_t code) {
    const auto [entry, added] = alone_.try_emplace(code);
    if (added) {
      const std::string text = utf8_of(code);
      pango_layout_set_text(layout_.get(), text.data(), static_cast<int>(text.size()));
      PangoLayoutLine* line = pango_layout_get_line_readonly(layout_.get(), 0);
      if (line != nullptr && line->runs != nullptr && line->runs->next == nullptr) {
        const auto* run = static_cast<const PangoGlyphItem*>(line->runs->data);
        const PangoGlyphInfo* only = run->glyphs->num_glyphs == 1 ? run->glyphs->glyphs : nullptr;
        if (only != nullptr && only->glyph != PANGO_GLYPH_EMPTY &&
            (only->glyph & PANGO_GLYPH_UNKNOWN_FLAG) == 0) {
          PangoFont* font = run->item->analysis.font;
          fonts_.emplace_back(PANGO_FONT(g_object_ref(font)));
          entry->second = Glyph{font, *only, pango_layout_get_baseline(layout_.get())};
        }
      }
    }
    return entry->second ? &*entry->second : nullptr;
  }

  cairo_t* cr_;
  Owned<PangoLayout> layout_;
  std::unordered_map<char32_t, std::optional<Glyph>> alone_;
  std::vector<Owned<PangoFont>> fonts_;                            // held while their glyphs are
  std::vector<std::pair<const Glyph*, std::string_view>> glyphs_;  // of the text being set
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

// The faces of the report, one a size for the whole document, each with the glyphs it
// has found: the rows and the drawing's names come in a few sizes, and a face made anew
// for each of the thousands of rows of a large polygon's tables was most of the time
// its PDF took.
class Faces {
 public:
  explicit Faces(cairo_t* cr) : cr_(cr) {}

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
void draw_rows(cairo_t* cr, Faces& faces, const std::vector<PlacedRow>& rows) {
  PageText text;
  for (const PlacedRow& placed : rows) {
    const double em = page::em(placed.row->points);
    Face& face = faces.of_size(em);
    for (const ReportItem& item : placed.row->items) {
      face.set_top_left(page::kLeftMargin + (item.column - 1) * em * page::kNarrowAdvance,
                        placed.top, item.text, text);
    }
  }
  text.show(cr);
}

void draw(cairo_t* cr, Faces& faces, const Drawing& d, double left, double top) {
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
  Face& face = faces.of_size(d.label_height);
  PageText text;
  for (const DrawnLabel& label : d.labels)
    face.set_on_baseline(label.at.x, label.at.y, label.text, text);
  text.show(cr);
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
    Faces faces(cr.get());
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) cairo_show_page(cr.get());
      draw_rows(cr.get(), faces, pages[i].rows);
      if (const auto box = pages[i].drawing)
        draw(cr.get(), faces, document.drawing, box->x, box->y);
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
