#include "CodeOptions.h"
#include "Files.h"
#include "KeywordInfo.h"
#include "Lumbrick.h"
#include "StringHelpers.h"
#include "SysUtils.h"

TRoutineInfo::TRoutineInfo(int APosition, int AKeyword) try : TKeywordInfo(APosition, AKeyword) {
} catch (...) {
  VIX->Push("Constructor TRoutineInfo.Create");
  throw;
}

// The heading ends at the first ";" in code, so a parameter list of several
// groups is cut inside: "procedure P(a: Integer; b: Byte);" gives the
// parameters "a: Integer;".
void TRoutineInfo::SetHeader(const std::string& AHeader) try {
  std::string S = Trim(AHeader);
  Header = S;
  const std::size_t k = LowerCase(S).find(GetKeyword());
  if (k != std::string::npos) S.erase(k, GetKeyword().size());

  const std::size_t paren = S.find('(');
  if (paren != std::string::npos) {
    Params = Trim(std::string_view(S).substr(paren + 1));
    S.erase(paren);
    const std::size_t close = Params.find(')');
    if (close != std::string::npos) Params = Trim(std::string_view(Params).substr(0, close));
  } else {
    Params.clear();
    std::size_t cut = S.find(':');
    if (cut != std::string::npos) S = Trim(std::string_view(S).substr(0, cut));
    cut = S.find(';');
    if (cut != std::string::npos) S = Trim(std::string_view(S).substr(0, cut));
  }

  const std::size_t dot = S.find('.');
  if (dot != std::string::npos) {
    ClassName = Trim(std::string_view(S).substr(0, dot));
    S = Trim(std::string_view(S).substr(dot + 1));
  } else {
    ClassName.clear();
  }
  Name = Trim(S);
} catch (...) {
  VIX->Push("Procedure TRoutineInfo.SetHeader");
  throw;
}

std::string TRoutineInfo::BuildExceptBloc(const std::string& AFileName, const std::string& LineStart) const try {
  const TCodeOptions& o = CodeOptions;
  const std::string crlf = "\r\n";

  std::string routine;
  if (o.PushParams[0]) routine += ExtractFileName(AFileName) + " : ";
  if (o.PushParams[1]) routine += UpperInitial(GetKeyword()) + " ";
  if (o.PushParams[2] && !ClassName.empty()) routine += ClassName + ".";
  if (o.PushParams[3]) routine += Name;
  if (o.PushParams[4] && !Params.empty()) routine += "(" + Params + ")";
  // A quote from a default parameter value would end the Pascal literal early
  // and leave code that does not compile.
  RemoveChars(routine, "'");
  // Nor may a literal span lines: a parameter list written over several
  // lines is joined, each line break with the indentation around it becoming
  // one blank.
  std::string joined;
  for (std::size_t i = 0; i < routine.size(); ++i) {
    const char c = routine[i];
    if (c != '\r' && c != '\n' && c != '\t') {
      joined += c;
      continue;
    }
    while (!joined.empty() && joined.back() == ' ') joined.pop_back();
    while (i + 1 < routine.size() && std::string_view(" \t\r\n").find(routine[i + 1]) != std::string_view::npos) ++i;
    joined += ' ';
  }
  routine = std::move(joined);

  std::string bloc = o.ExceptLines == 1 ? "Except " + o.QuellumVar : "Except " + crlf + LineStart + o.QuellumVar;
  bloc += ".Push('" + routine;
  switch (o.ExceptLines) {
    case 3:
      bloc += "'); Raise;" + crlf + "End;";
      break;
    case 4:
      bloc += "');" + crlf + LineStart + "Raise;" + crlf + "End;";
      break;
    default:
      bloc += "'); Raise; End;";
  }
  return bloc;
} catch (...) {
  VIX->Push("Function TRoutineInfo.BuildExceptBloc");
  throw;
}

std::string TRoutineInfo::GetText() const try {
  std::string s = Indent() + Header;
  std::size_t cut = s.find('(');
  if (cut != std::string::npos) s.erase(cut);
  cut = s.find(';');
  if (cut != std::string::npos) s.erase(cut);
  s += " (" + std::to_string(Position) + ") {State=" + std::to_string(State) + " CodeState=" + std::to_string(CodeState);
  s += kiBegin ? " Begin=" + std::to_string(kiBegin->Position) : std::string(" kiBegin=Nil");
  s += kiEnd ? " End=" + std::to_string(kiEnd->Position) + "}" : std::string(" kiEnd=Nil}");
  return s;
} catch (...) {
  VIX->Push("Function TRoutineInfo.GetText");
  throw;
}
