#include "report/json_reader.h"

#include <charconv>
#include <utility>

namespace quillstat {

namespace {

constexpr int kMaxDepth = 64;

class parser {
 public:
  explicit parser(std::string_view text) : text_(text) {}

  bool document(jsonValue* value) {
    skipBlanks();
    if (!parseValue(value, 0)) return false;
    skipBlanks();
    return at_ == text_.size() || fail("text after the value");
  }

  std::string error() const {
    int line = 1;
    for (size_t i = 0; i < failedAt_ && i < text_.size(); ++i) line += text_[i] == '\n';
    return "line " + std::to_string(line) + ": " + problem_;
  }

 private:
  bool fail(const char* problem) {
    if (problem_.empty()) {
      problem_ = problem;
      failedAt_ = at_;
    }
    return false;
  }

  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }

  bool take(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) return fail("unknown word");
    at_ += w.size();
    return true;
  }

  bool parseValue(jsonValue* value, int depth) {
    if (at_ >= text_.size()) return fail("unexpected end");
    switch (text_[at_]) {
      case '{': return parseObject(value, depth + 1);
      case '[': return parseArray(value, depth + 1);
      case '"': value->type = jsonValue::kind::string; return parseString(&value->text);
      case 't': value->type = jsonValue::kind::boolean; value->boolean = true; return word("true");
      case 'f': value->type = jsonValue::kind::boolean; return word("false");
      case 'n': value->type = jsonValue::kind::null; return word("null");
      default: value->type = jsonValue::kind::number; return parseNumber(&value->text);
    }
  }

  bool parseObject(jsonValue* value, int depth) {
    if (depth > kMaxDepth) return fail("nested too deeply");
    value->type = jsonValue::kind::object;
    ++at_;
    skipBlanks();
    if (take('}')) return true;
    do {
      skipBlanks();
      std::string name;
      if (at_ >= text_.size() || text_[at_] != '"') return fail("expected a member name");
      if (!parseString(&name)) return false;
      skipBlanks();
      if (!take(':')) return fail("expected ':'");
      skipBlanks();
      value->members.push_back({std::move(name), jsonValue{}});
      if (!parseValue(&value->members.back().value, depth)) return false;
      skipBlanks();
    } while (take(','));
    return take('}') || fail("expected ',' or '}'");
  }

  bool parseArray(jsonValue* value, int depth) {
    if (depth > kMaxDepth) return fail("nested too deeply");
    value->type = jsonValue::kind::array;
    ++at_;
    skipBlanks();
    if (take(']')) return true;
    do {
      skipBlanks();
      value->items.emplace_back();
      if (!parseValue(&value->items.back(), depth)) return false;
      skipBlanks();
    } while (take(','));
    return take(']') || fail("expected ',' or ']'");
  }

  static bool isDigit(char c) { return c >= '0' && c <= '9'; }

  bool digits() {
    const size_t start = at_;
    while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
    return at_ > start;
  }

  bool parseNumber(std::string* out) {
    const size_t start = at_;
    take('-');
    if (take('0')) {
      if (at_ < text_.size() && isDigit(text_[at_])) return fail("a number with a leading zero");
    } else if (!digits()) {
      return fail("expected a value");
    }
    if (take('.') && !digits()) return fail("expected digits after '.'");
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digits()) return fail("expected digits in the exponent");
    }
    out->assign(text_.substr(start, at_ - start));
    return true;
  }

  bool hex4(unsigned* code) {
    if (text_.size() - at_ < 4) return fail("a short \\u escape");
    *code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      const int digit = isDigit(c) ? c - '0'
                        : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                        : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                 : -1;
      if (digit < 0) return fail("a bad \\u escape");
      *code = *code * 16 + static_cast<unsigned>(digit);
    }
    return true;
  }

  static void appendUtf8(unsigned code, std::string* out) {
    if (code < 0x80) {
      out->push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out->push_back(static_cast<char>(0xC0 | (code >> 6)));
      out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out->push_back(static_cast<char>(0xE0 | (code >> 12)));
      out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out->push_back(static_cast<char>(0xF0 | (code >> 18)));
      out->push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }

  // The length of the UTF-8 character at at_, or 0 when it is none
  // (overlong forms and surrogates included).
  size_t utf8Length() const {
    const auto byte = [&](size_t i) {
      return at_ + i < text_.size() ? static_cast<unsigned char>(text_[at_ + i]) : 0u;
    };
    const unsigned c = byte(0);
    const auto cont = [&](size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
      const unsigned c1 = byte(1);
      if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 > 0x9F)) return 0;
      return cont(1) && cont(2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
      const unsigned c1 = byte(1);
      if ((c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 > 0x8F)) return 0;
      return cont(1) && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
  }

  bool parseString(std::string* out) {
    ++at_;  // the opening quote
    for (;;) {
      if (at_ >= text_.size()) return fail("a string without its end");
      const unsigned char c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20) return fail("a control character in a string");
      if (c >= 0x80) {
        const size_t length = utf8Length();
        if (length == 0) return fail("a string that is not UTF-8");
        out->append(text_.substr(at_, length));
        at_ += length;
        continue;
      }
      ++at_;
      if (c != '\\') {
        out->push_back(static_cast<char>(c));
        continue;
      }
      if (at_ >= text_.size()) return fail("a string without its end");
      const char e = text_[at_++];
      switch (e) {
        case '"': case '\\': case '/': out->push_back(e); break;
        case 'b': out->push_back('\b'); break;
        case 'f': out->push_back('\f'); break;
        case 'n': out->push_back('\n'); break;
        case 'r': out->push_back('\r'); break;
        case 't': out->push_back('\t'); break;
        case 'u': {
          unsigned code = 0;
          if (!hex4(&code)) return false;
          if (code >= 0xDC00 && code <= 0xDFFF) return fail("a lone surrogate");
          if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (!take('\\') || !take('u') || !hex4(&low) || low < 0xDC00 || low > 0xDFFF) {
              return fail("a lone surrogate");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          appendUtf8(code, out);
          break;
        }
        default: return fail("an unknown escape");
      }
    }
  }

  std::string_view text_;
  size_t at_ = 0;
  std::string problem_;
  size_t failedAt_ = 0;
};

}  // namespace

const jsonValue* jsonValue::find(std::string_view name) const {
  for (const auto& [key, value] : members) {
    if (key == name) return &value;
  }
  return nullptr;
}

std::optional<int64_t> jsonValue::integer() const {
  if (type != kind::number) return std::nullopt;
  int64_t number = 0;
  auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || rest != text.data() + text.size()) return std::nullopt;
  return number;
}

bool parseJson(std::string_view text, jsonValue* value, std::string* error) {
  parser p(text);
  *value = jsonValue{};
  if (p.document(value)) return true;
  *error = p.error();
  return false;
}

}  // namespace quillstat
