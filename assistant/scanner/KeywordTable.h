// The 24 keywords the scanner knows; a keyword's kind is its index here.
#pragma once

#include <array>
#include <string>
#include <string_view>

class TKeywordInfo;

inline constexpr std::array<std::string_view, 24> KeywordTable{
    "unit",          "uses",      "interface",   "implementation", "initialization", "finalization",
    "record",        "class",     "object",      "dispinterface",  "interface",      "begin",
    "case",          "try",       "asm",         "end",            "procedure",      "function",
    "constructor",   "destructor", "external",   "forward",        "except",         "finally"};

// Kinds by name. kwInterface is the section keyword; kwInterfaceType the same
// word declaring a type, the one the keyword scan looks for.
enum TKeywordKind : int {
  kwUnit, kwUses, kwInterface, kwImplementation, kwInitialization, kwFinalization,
  kwRecord, kwClass, kwObject, kwDispinterface, kwInterfaceType, kwBegin,
  kwCase, kwTry, kwAsm, kwEnd, kwProcedure, kwFunction,
  kwConstructor, kwDestructor, kwExternal, kwForward, kwExcept, kwFinally
};

// Compare their argument with table texts, ignoring letter case.
bool TokenIsBegin(std::string_view Text);         // begin, case, try, asm
bool TokenIsExceptClause(std::string_view Text);  // finally, except
bool TokenIsRoutine(std::string_view Text);       // procedure, function, constructor, destructor

// -1, 0 or 1 by ascending Position: the order of the keyword list.
int SortKeywordsByPosition(const TKeywordInfo& A, const TKeywordInfo& B);
