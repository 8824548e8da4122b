#pragma once

#include <initializer_list>
#include <string>

// Texts a person reads in the window, in the window's language. The layers below the window
// build their messages in English; the window installs a translator at start, and every
// message text goes through UiText on its way out. Without a translator (vt350ctl, whose
// output scripts read; the tests) the English stays. The texts are found for translation
// by Qt's lupdate: UiText is taken as its translate(), UI_TEXT_NOOP and UI_TEXT_NOOP3 as
// its QT_TRANSLATE_NOOP and QT_TRANSLATE_NOOP3 (see CONTRIBUTING.md, "Translating").

// Marks a text in a table for translation, leaving it as it is; the second form with a
// comment that tells two translations of one text apart.
#define UI_TEXT_NOOP(context, text) text
#define UI_TEXT_NOOP3(context, text, comment) text

using TextTranslator = std::string (*)(const char* context, const char* text);
void SetTextTranslator(TextTranslator translator);

// The translation of `text` in `context`, or `text` itself when there is none.
std::string UiText(const char* context, const char* text);
inline std::string UiText(const char* context, const std::string& text) {
    return UiText(context, text.c_str());
}

// `text` with %1, %2 ... replaced by the arguments in turn (a translation may reorder them).
std::string FillText(std::string text, std::initializer_list<std::string> arguments);
