// Text at the Qt boundary: the program's strings are Windows-1252 bytes, Qt's
// are Unicode. Nothing else converts.
#pragma once

#include <QString>
#include <string>

QString Qs(const std::string& ansi);
// Characters outside Windows-1252 become '?'.
std::string As(const QString& text);
// For labels and dialog texts: every line break form the programs write
// (CR LF, LF CR, a lone CR or LF) becomes one "\n".
QString QsDisplay(const std::string& ansi);
// The same for a UTF-8 text.
QString QsDisplayUtf8(const std::string& utf8);
