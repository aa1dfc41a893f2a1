#include "names_and_sides.h"

#include "fields.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

constexpr int kSideDecimals = 3;

void ask_name(Asking& asking, SessionRecord& record, int index, const std::string& hint,
              const std::string& prompt, bool blank_before) {
  asking.write(field::Text21, hint);
  record.names[index] = asking.text(prompt);
  asking.write(field::Text9, (blank_before ? " " : "") + record.names[index]);
}

// How one side is asked: the texts and fields of its row, by configuration and parity.
struct SideRow {
  std::string_view hint;
  std::string_view ask;
  std::string_view correct;
  std::vector<const char*> cleared_after_first_answer;
  const char* echo_field;
  std::string_view confirm_first;
  std::string_view confirm_repeat;
  const char* cleared_before_correction;
};

const SideRow& side_row(Configuration m, bool odd) {
  using namespace field;
  static const SideRow b_on_ring_odd{text::kHintSide,         text::kAskSide, text::kCorrectSide,
                                     {Text21, Text9, Text20}, Text19,         text::kConfirm2,
                                     text::kConfirm2,         nullptr};
  static const SideRow b_on_ring_even{
      text::kHintSide, text::kAskEvenSideBOnRing, text::kCorrectSide, {Text19},
      Text20,          text::kConfirm2,           text::kConfirm2,    nullptr};
  static const SideRow b_at_centre_odd{text::kHintSide,
                                       text::kAskOddSideBAtCentre,
                                       text::kCorrectSide,
                                       {Text20},
                                       Text19,
                                       text::kConfirm3,
                                       text::kConfirm4,
                                       Text19};
  static const SideRow b_at_centre_even{text::kHintSide, text::kAskSide, text::kCorrectSide,
                                        {Text19},        Text20,         text::kConfirm2,
                                        text::kConfirm2, Text20};
  static const SideRow no_b_odd{text::kHintSide, text::kAskSide, text::kCorrectOddSideNoB,
                                {Text20},        Text19,         text::kConfirm3,
                                text::kConfirm2, Text19};
  static const SideRow no_b_even{text::kHintEvenSideNoB,
                                 text::kAskEvenSideNoB,
                                 text::kCorrectEvenSideNoB,
                                 {Text19},
                                 Text20,
                                 text::kConfirm2,
                                 text::kConfirm2,
                                 Text20};
  switch (m) {
    case Configuration::BOnRing: return odd ? b_on_ring_odd : b_on_ring_even;
    case Configuration::BAtCentre: return odd ? b_at_centre_odd : b_at_centre_even;
    case Configuration::OutsideAzimuth: break;
  }
  return odd ? no_b_odd : no_b_even;
}

// The side that the length of A-B gave (m = 1: S(2N), m = 2: S(1)) is not asked.
bool is_known_side(Configuration m, int k, int n) {
  return (m == Configuration::BOnRing && k == 2 * n) || (m == Configuration::BAtCentre && k == 1);
}

std::optional<std::string> refuse_non_positive(double length, const std::string& name) {
  if (length > 0) return std::nullopt;
  return fill_name(text::kSideNotPositive, name);
}

void ask_side(Asking& asking, SessionRecord& record, Configuration m, int k) {
  const bool odd = k % 2 == 1;
  const SideRow& row = side_row(m, odd);
  const std::string name = "S(" + shortest_text(static_cast<double>(k)) + ")";

  asking.write(field::Text8, fill(row.hint, k));
  if (m == Configuration::OutsideAzimuth && !odd) asking.write(field::Text20, "");

  ConfirmedEntry entry{
      name,
      fill(row.ask, k),
      fill(row.correct, k),
      row.confirm_first,
      row.confirm_repeat,
      row.echo_field,
      [k](double v) { return fill(text::kSideEcho, k) + pattern_text(v, kSideDecimals); },
      {},
      row.cleared_before_correction,
      [name](double v) { return refuse_non_positive(v, name); }};
  for (const char* control : row.cleared_after_first_answer)
    entry.after_first_answer.push_back({control, ""});
  asking.confirmed(entry, record.S[k]);
}

}  // namespace

void ask_point_names(Asking& asking, SessionRecord& record, Configuration m) {
  const int n = triangle_count(record);
  ask_name(asking, record, 0, std::string(text::kHintA), std::string(text::kAskNameA), true);
  if (m == Configuration::OutsideAzimuth) {
    for (int i = 1; i <= n; ++i) {
      ask_name(asking, record, i, fill(text::kHintNewPoint, i), fill(text::kAskNewPoint, i), false);
    }
    ask_name(asking, record, n + 1, std::string(text::kHintClosingA),
             std::string(text::kAskNameClosingA), true);
    return;
  }
  for (int i = 1; i <= n - 1; ++i) {
    ask_name(asking, record, i, fill(text::kHintNewPoint, i), fill(text::kAskNewPoint, i), true);
  }
  ask_name(asking, record, n, std::string(text::kHintB), std::string(text::kAskNameB), true);
}

void ask_observed_sides(Asking& asking, SessionRecord& record, Configuration m) {
  const int n = triangle_count(record);
  for (int k = 1; k <= 2 * n; ++k) {
    if (!is_known_side(m, k, n)) ask_side(asking, record, m, k);
  }
}

}  // namespace cp
