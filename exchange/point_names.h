#pragma once

#include <string>
#include <string_view>

// A point's name as each exchange file holds it, so that the program that reads the
// file gives back the name as typed; where the format cannot hold a character of it,
// an ExchangeError names the point and the character, before anything is written.
namespace cp {

// The file a name is written into, for the messages.
enum class NameFile { Dxf, Gama, PointFile };

// A name of a DXF TEXT entity: beyond ASCII as \U+XXXX, and what TEXT would read as a
// code written so that it reads as the character: a backslash as \U+005C, a caret as
// "^ ", a percent sign as "%%%". Control characters and characters beyond the Basic
// Multilingual Plane have no form in an R12 TEXT.
std::string dxf_name(std::string_view name, int point);

// Refuses a name the file cannot hold: control characters (XML 1.0 has none but tab
// and line breaks, which an attribute turns into blanks; a line break would end a line
// of the point file), and in the point file a comma, which would shift its columns.
void check_name(std::string_view name, int point, NameFile file);

}  // namespace cp
