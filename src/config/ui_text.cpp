#include "config/ui_text.h"

#include <vector>

namespace {

TextTranslator translator = nullptr;

}  // namespace

void SetTextTranslator(TextTranslator t) {
    translator = t;
}

std::string UiText(const char* context, const char* text) {
    return translator != nullptr ? translator(context, text) : std::string(text);
}

std::string FillText(std::string text, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> args(arguments);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
