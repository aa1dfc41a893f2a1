#include "names_and_sides.h"

#include "display_decimals.h"
#include "fields.h"
#include "fill.h"
#include "number_text.h"
#include "texts.h"

namespace cp {
namespace {

void ask_name(Asking& asking, SessionRecord& record, int index, const std::string& hint,
              const std::string& prompt, bool blank_before) {
  asking.write(Field::PointHint, hint);
  record.names[index] = asking.text(prompt, {.kind = PromptRole::Kind::PointName, .point = index});
  record.typed.names = index + 1;
  asking.write(Field::PointName, (blank_before ? " " : "") + record.names[index]);
}

// How one side is asked: the texts and fields of its row, by configuration and parity.
struct SideRow {
  std::string_view hint;
  std::string_view ask;
  std::string_view correct;
  std::vector<Field> cleared_after_first_answer;
  Field echo_field;
  std::string_view confirm_first;
  std::string_view confirm_repeat;
  std::optional<Field> cleared_before_correction = std::nullopt;
};

const SideRow& side_row(Configuration m, bool odd) {
  static const SideRow b_on_ring_odd{
      .hint = text::kHintSide,
      .ask = text::kAskSide,
      .correct = text::kCorrectSide,
      .cleared_after_first_answer = {Field::PointHint, Field::PointName, Field::EvenSide},
      .echo_field = Field::OddSide,
      .confirm_first = text::kConfirm2,
      .confirm_repeat = text::kConfirm2};
  static const SideRow b_on_ring_even{.hint = text::kHintSide,
                                      .ask = text::kAskEvenSideBOnRing,
                                      .correct = text::kCorrectSide,
                                      .cleared_after_first_answer = {Field::OddSide},
                                      .echo_field = Field::EvenSide,
                                      .confirm_first = text::kConfirm2,
                                      .confirm_repeat = text::kConfirm2};
  static const SideRow b_at_centre_odd{.hint = text::kHintSide,
                                       .ask = text::kAskOddSideBAtCentre,
                                       .correct = text::kCorrectSide,
                                       .cleared_after_first_answer = {Field::EvenSide},
                                       .echo_field = Field::OddSide,
                                       .confirm_first = text::kConfirm3,
                                       .confirm_repeat = text::kConfirm4,
                                       .cleared_before_correction = Field::OddSide};
  static const SideRow b_at_centre_even{.hint = text::kHintSide,
                                        .ask = text::kAskSide,
                                        .correct = text::kCorrectSide,
                                        .cleared_after_first_answer = {Field::OddSide},
                                        .echo_field = Field::EvenSide,
                                        .confirm_first = text::kConfirm2,
                                        .confirm_repeat = text::kConfirm2,
                                        .cleared_before_correction = Field::EvenSide};
  static const SideRow no_b_odd{.hint = text::kHintSide,
                                .ask = text::kAskSide,
                                .correct = text::kCorrectOddSideNoB,
                                .cleared_after_first_answer = {Field::EvenSide},
                                .echo_field = Field::OddSide,
                                .confirm_first = text::kConfirm3,
                                .confirm_repeat = text::kConfirm2,
                                .cleared_before_correction = Field::OddSide};
  static const SideRow no_b_even{.hint = text::kHintEvenSideNoB,
                                 .ask = text::kAskEvenSideNoB,
                                 .correct = text::kCorrectEvenSideNoB,
                                 .cleared_after_first_answer = {Field::OddSide},
                                 .echo_field = Field::EvenSide,
                                 .confirm_first = text::kConfirm2,
                                 .confirm_repeat = text::kConfirm2,
                                 .cleared_before_correction = Field::EvenSide};
  switch (m) {
    case Configuration::BOnRing: return odd ? b_on_ring_odd : b_on_ring_even;
    case Configuration::BAtCentre: return odd ? b_at_centre_odd : b_at_centre_even;
    case Configuration::OutsideAzimuth: break;
  }
  return odd ? no_b_odd : no_b_even;
}

std::optional<std::string> refuse_non_positive(double length, const std::string& name) {
  if (length > 0) return std::nullopt;
  return fill_name(text::kSideNotPositive, name);
}

void ask_side(Asking& asking, SessionRecord& record, Configuration m, int k) {
  const bool odd = k % 2 == 1;
  const SideRow& row = side_row(m, odd);
  const std::string name = text::fill_in(text::kSideName, "{k}", std::to_string(k));

  asking.write(Field::SideHint, fill(row.hint, k));
  if (m == Configuration::OutsideAzimuth && !odd) asking.write(Field::EvenSide, "");

  ConfirmedEntry entry{
      .name = name,
      .first_prompt = fill(row.ask, k),
      .correction_prompt = fill(row.correct, k),
      .confirm_first = row.confirm_first,
      .confirm_repeat = row.confirm_repeat,
      .echo_field = row.echo_field,
      .echo =
          [k](double v) { return fill(text::kSideEcho, k) + pattern_text(v, decimals::kSideEcho); },
      .cleared_before_correction = row.cleared_before_correction,
      .refuse = [name](double v) { return refuse_non_positive(v, name); }};
  for (const Field field : row.cleared_after_first_answer)
    entry.after_first_answer.push_back({field, ""});
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
    if (k != known_side_number(m, n)) ask_side(asking, record, m, k);
  }
}

}  // namespace cp
