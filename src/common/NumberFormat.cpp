#include "common/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "common/RuntimeError.h"

namespace saltmark {

namespace {

struct Token {
  enum Kind { Literal, AlwaysDigit, OptionalDigit, Point } kind = Literal;
  std::string text;  // for literals
  bool isDigit() const { return kind == AlwaysDigit || kind == OptionalDigit; }
};

struct Section {
  std::vector<Token> tokens;
  int decimals = 0;  // digit places after the point
  bool empty() const { return tokens.empty(); }
};

// Splits at ";" outside quotes and escapes.
std::vector<std::string_view> splitSections(std::string_view pattern) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == '\\' && !quoted) {
      ++i;
    } else if (c == ';' && !quoted) {
      parts.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(pattern.substr(start));
  return parts;
}

void addLiteral(std::vector<Token>& tokens, char c) {
  if (tokens.empty() || tokens.back().kind != Token::Literal) tokens.push_back({Token::Literal, {}});
  tokens.back().text += c;
}

Section parseSection(std::string_view text) {
  Section section;
  bool afterPoint = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      if (i + 1 < text.size()) addLiteral(section.tokens, text[++i]);
    } else if (c == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) addLiteral(section.tokens, text[i]);
    } else if (c == '0' || c == '#') {
      section.tokens.push_back({c == '0' ? Token::AlwaysDigit : Token::OptionalDigit, {}});
      if (afterPoint) ++section.decimals;
    } else if (c == '.' && !afterPoint) {
      section.tokens.push_back({Token::Point, {}});
      afterPoint = true;
    } else {
      addLiteral(section.tokens, c);
    }
  }
  return section;
}

// Adds one unit in the last place of a plain decimal text ("9.99" -> "10.00").
void incrementDecimalText(std::string& text) {
  for (std::size_t i = text.size(); i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      return;
    }
    text[i] = '0';
  }
  text.insert(text.begin(), '1');
}

std::string fixedText(double magnitude, int decimals) {
  std::string buffer(340 + static_cast<std::size_t>(decimals), '\0');
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                              std::chars_format::fixed, decimals);
  buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
  return buffer;
}

// The value exactly halfway between two neighbours at this many decimals:
// then |value| * 2^(decimals+1) is an odd whole number.
bool isExactHalf(double magnitude, int decimals) {
  const double scaled = std::ldexp(magnitude, decimals + 1);
  return scaled < 9.0e15 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

struct RoundedDigits {
  std::string whole;     // without leading zeros; empty for a value below 1
  std::string fraction;  // exactly `decimals` digits
  bool isZero() const {
    return whole.empty() && std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
  }
};

// |value| rounded to `decimals` places, halves away from zero.
RoundedDigits roundMagnitude(double magnitude, int decimals) {
  std::string text;
  if (isExactHalf(magnitude, decimals)) {
    text = fixedText(magnitude, decimals + 1);  // exact: ends in 5
    text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    incrementDecimalText(text);
  } else {
    text = fixedText(magnitude, decimals);
  }
  RoundedDigits digits;
  const std::size_t point = text.find('.');
  digits.whole = text.substr(0, point);
  if (point != std::string::npos) digits.fraction = text.substr(point + 1);
  digits.whole.erase(0, std::min(digits.whole.find_first_not_of('0'), digits.whole.size()));
  return digits;
}

std::string formatSection(const Section& section, const RoundedDigits& digits) {
  const auto& tokens = section.tokens;
  const auto pointAt = std::find_if(tokens.begin(), tokens.end(),
                                    [](const Token& t) { return t.kind == Token::Point; });
  const std::size_t integerEnd = static_cast<std::size_t>(pointAt - tokens.begin());

  // Integer places: from the first "0" on, every place shows a digit.
  std::vector<std::size_t> integerPlaces;
  for (std::size_t i = 0; i < integerEnd; ++i)
    if (tokens[i].isDigit()) integerPlaces.push_back(i);
  std::size_t required = 0;
  for (std::size_t k = 0; k < integerPlaces.size(); ++k) {
    if (tokens[integerPlaces[k]].kind == Token::AlwaysDigit) {
      required = integerPlaces.size() - k;
      break;
    }
  }
  std::string whole = digits.whole;
  if (whole.size() < required) whole.insert(0, required - whole.size(), '0');

  std::vector<std::string> pieces(tokens.size());
  // Right to left; the leftmost place takes every digit that is left over.
  std::size_t remaining = whole.size();
  for (std::size_t k = integerPlaces.size(); k-- > 0;) {
    const std::size_t take = (k == 0) ? remaining : std::min<std::size_t>(remaining, 1);
    pieces[integerPlaces[k]] = whole.substr(remaining - take, take);
    remaining -= take;
  }

  // Decimal places: trailing optional places drop their zeros.
  std::vector<std::size_t> decimalPlaces;
  for (std::size_t i = integerEnd; i < tokens.size(); ++i)
    if (tokens[i].isDigit()) decimalPlaces.push_back(i);
  std::size_t shown = decimalPlaces.size();
  while (shown > 0 && tokens[decimalPlaces[shown - 1]].kind == Token::OptionalDigit &&
         digits.fraction[shown - 1] == '0')
    --shown;
  for (std::size_t k = 0; k < shown; ++k) pieces[decimalPlaces[k]] = digits.fraction[k];

  std::string result;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind == Token::Literal) {
      result += tokens[i].text;
    } else if (tokens[i].kind == Token::Point) {
      if (integerPlaces.empty()) result += digits.whole;  // no places for them: shown anyway
      result += '.';
    } else {
      result += pieces[i];
    }
  }
  return result;
}

std::string generalText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

}  // namespace

std::string FormatNumberPoint(double value, std::string_view pattern) {
  if (!std::isfinite(value)) throw RuntimeError(errc::kOverflow);

  std::vector<Section> sections;
  for (std::string_view part : splitSections(pattern)) {
    sections.push_back(parseSection(part));
    if (sections.size() == 3) break;
  }
  const Section& positive = sections[0];
  const bool hasNegative = sections.size() >= 2 && !sections[1].empty();
  const bool hasZero = sections.size() >= 3 && !sections[2].empty();

  const bool negative = value < 0;
  const Section* section = (negative && hasNegative) ? &sections[1] : &positive;
  const RoundedDigits digits = roundMagnitude(std::fabs(value), section->decimals);
  const bool roundsToZero = section->empty() ? value == 0 : digits.isZero();
  if (roundsToZero) section = hasZero ? &sections[2] : &positive;

  std::string result;
  if (section->empty()) {
    result = generalText(value);
  } else if (roundsToZero) {
    result = formatSection(*section, roundMagnitude(0.0, section->decimals));
  } else {
    result = formatSection(*section, digits);
    if (negative && !hasNegative) result.insert(result.begin(), '-');
  }
  std::replace(result.begin(), result.end(), ',', '.');
  return result;
}

}  // namespace saltmark
