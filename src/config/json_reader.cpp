#include "config/json_reader.h"

#include <cctype>
#include <cstdlib>

namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    bool Object(std::map<std::string, JsonValue>& out) {
        Skip();
        if (!Eat('{')) return Fail("expected '{'");
        Skip();
        if (Eat('}')) return End();
        while (true) {
            std::string key;
            Skip();
            if (!String(key)) return false;
            Skip();
            if (!Eat(':')) return Fail("expected ':'");
            JsonValue value;
            if (!Value(value)) return false;
            if (out.count(key)) return Fail("key \"" + key + "\" appears twice");
            out[key] = std::move(value);
            Skip();
            if (Eat('}')) return End();
            if (!Eat(',')) return Fail("expected ',' or '}'");
        }
    }

    std::string error;

  private:
    bool End() {
        Skip();
        return pos_ == s_.size() || Fail("text after the object");
    }
    bool Fail(const std::string& what) {
        if (error.empty()) error = what + " at character " + std::to_string(pos_ + 1);
        return false;
    }
    void Skip() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }
    bool Eat(char c) {
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w) {
        if (s_.substr(pos_, w.size()) != w) return false;
        pos_ += w.size();
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return Fail("expected a string");
        while (pos_ < s_.size() && s_[pos_] != '"') {
            char c = s_[pos_++];
            if (c == '\\') {
                if (pos_ >= s_.size()) break;
                char e = s_[pos_++];
                switch (e) {
                    case 'n':
                        c = '\n';
                        break;
                    case 't':
                        c = '\t';
                        break;
                    case 'u':
                        return Fail("\\u escapes are not supported");
                    default:
                        c = e;
                        break;
                }
            }
            out += c;
        }
        return Eat('"') || Fail("unterminated string");
    }
    bool Number(double& out) {
        const char* start = s_.data() + pos_;
        std::string copy(start, s_.size() - pos_);
        char* end = nullptr;
        out = std::strtod(copy.c_str(), &end);
        if (end == copy.c_str()) return Fail("expected a value");
        pos_ += static_cast<std::size_t>(end - copy.c_str());
        return true;
    }
    bool Value(JsonValue& v) {
        Skip();
        if (pos_ >= s_.size()) return Fail("expected a value");
        const char c = s_[pos_];
        if (c == '"') {
            v.type = JsonValue::Type::kString;
            return String(v.text);
        }
        if (c == '[') {
            ++pos_;
            v.type = JsonValue::Type::kArray;
            Skip();
            if (Eat(']')) return true;
            while (true) {
                double n;
                Skip();
                if (!Number(n)) return false;
                v.array.push_back(n);
                Skip();
                if (Eat(']')) return true;
                if (!Eat(',')) return Fail("expected ',' or ']'");
            }
        }
        if (Word("true")) {
            v.type = JsonValue::Type::kBool;
            v.boolean = true;
            return true;
        }
        if (Word("false")) {
            v.type = JsonValue::Type::kBool;
            return true;
        }
        if (Word("null")) return true;
        v.type = JsonValue::Type::kNumber;
        return Number(v.number);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace

bool ParseFlatJsonObject(std::string_view text, std::map<std::string, JsonValue>& out,
                         std::string& error) {
    Parser parser(text);
    const bool ok = parser.Object(out);
    error = parser.error;
    return ok;
}
