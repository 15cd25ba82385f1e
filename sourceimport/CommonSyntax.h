// Lines written in the common 8085 assembler syntax, the way textbooks write them, told apart
// from Kwarcyt's own, so that the window can point a student to Plik > Importuj.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kwarcyt {

inline constexpr std::string_view kCommonSyntaxHint =
    "Wskazówka: w Kwarcycie etykieta stoi sama w wierszu, a komentarz zaczyna się od /. Program "
    "w innej składni wczytasz przez Plik > Importuj.";

// A label followed by an instruction on the same line, or an instruction with a ";" comment.
bool IsCommonSyntaxLine(std::string_view line);

// Whether any of the messages (each beginning with the index of its line, where it has one)
// concerns a line of the common syntax.
bool ReportsCommonSyntax(const std::vector<std::string>& messages,
                         const std::vector<std::string>& lines);

// A program that fails the check is worth offering for import when its file is named as the
// common syntax's files are (.asm, .a85, .s) or at least a quarter of its non-blank lines are in
// that syntax.
bool WorthImporting(std::string_view fileName, const std::vector<std::string>& lines);

}  // namespace kwarcyt
