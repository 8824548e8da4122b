#pragma once

#include <string>
#include <string_view>

// The names of the temporary files a save writes beside the file it replaces:
// ".NAME.vt350-XXXXXX" for a file NAME, six random characters at the end. Only names of
// exactly this shape are ever swept as left over from a killed save; a user's own
// ".bashrc.backup" or ".env.local1" is none of ours.
constexpr std::string_view kTemporaryMark = ".vt350-";
constexpr std::size_t kTemporaryRandom = 6;

// The template for mkstemp and its kind: ".NAME.vt350-XXXXXX".
std::string TemporaryTemplateFor(const std::string& fileName);
// Whether a folder entry's name is one a save could have made.
bool IsSaveTemporaryName(std::string_view name);
