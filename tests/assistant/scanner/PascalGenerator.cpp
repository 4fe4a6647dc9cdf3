#include "PascalGenerator.h"

namespace {

const std::string CRLF = "\r\n";

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

PascalGenerator::PascalGenerator(unsigned Seed) : rng_(Seed) {
  const char* units[] = {"  ", "    ", "\t", "   "};
  unit_ = units[Pick(4)];
  if (Chance(25)) beginShift_ = unit_;
}

std::string PascalGenerator::Unit() {
  std::string s = "unit GenUnit;" + CRLF + CRLF + "interface" + CRLF + CRLF + "uses SysUtils;" + CRLF + CRLF;
  s += "type" + CRLF + "  TThing = class" + CRLF + "    procedure Run(a: Integer);" + CRLF + "  end;" + CRLF + CRLF;
  s += "implementation" + CRLF + CRLF;
  if (Chance(50)) s += "uses Classes;" + CRLF + CRLF;
  if (Chance(40)) s += "{ implementation } // begin end" + CRLF + CRLF;
  const int routines = 1 + Pick(7);
  for (int i = 0; i < routines; ++i) {
    if (Chance(25)) s += ImplementationTypes();
    s += Routine("", 0) + CRLF;
  }
  if (Chance(30)) s += "initialization" + CRLF + unit_ + "Setup;" + CRLF + "finalization" + CRLF + unit_ + "TearDown;" + CRLF;
  s += "end.";
  if (Chance(30)) s += CRLF + "procedure After; begin end;";
  return s + CRLF;
}

std::string PascalGenerator::ImplementationTypes() {
  switch (Pick(3)) {
    case 0:
      return "type" + CRLF + "  TPair = record" + CRLF + "    case Integer of" + CRLF + "      0: (a: Integer);" + CRLF +
             "      1: (b: Byte);" + CRLF + "  end;" + CRLF + CRLF;
    case 1:
      return "type" + CRLF + "  THelper = class(TObject)" + CRLF + "    procedure Go;" + CRLF +
             "    function Count: Integer;" + CRLF + "  end;" + CRLF + CRLF;
    default:
      return "procedure Later; forward;" + CRLF + "function Outside(a: Integer): Integer; external 'lib';" + CRLF + CRLF;
  }
}

std::string PascalGenerator::Heading(std::string& Kind, std::string& ClassName, std::string& Name, std::string& Params) {
  const char* kinds[] = {"procedure", "function", "constructor", "destructor"};
  Kind = kinds[Pick(10) < 6 ? Pick(2) : Pick(4)];
  ClassName = Chance(50) ? "TThing" : "";
  Name = "R" + std::to_string(++counter_);
  switch (Pick(5)) {
    case 0:
      Params = "";
      break;
    case 1:
      Params = "a: Integer";
      break;
    case 2:
      Params = "Sender: TObject; var b: Byte";
      break;
    case 3:
      Params = "const s: string = 'it''s'";
      break;
    default:
      Params = "x, y:" + CRLF + unit_ + unit_ + "Double";
  }
  std::string h = Kind + " " + (ClassName.empty() ? "" : ClassName + ".") + Name;
  if (!Params.empty()) h += "(" + Params + ")";
  if (Kind == "function") h += ": Integer";
  h += ";";
  if (Chance(15)) h += " overload;";
  return h;
}

std::string PascalGenerator::Routine(const std::string& Margin, int Depth) {
  std::string kind, className, name, params;
  std::string s = Margin + Heading(kind, className, name, params) + CRLF;
  if (Chance(30)) s += Margin + "var" + CRLF + Margin + unit_ + "i: Integer;" + CRLF;
  if (Chance(15)) s += Margin + "type" + CRLF + Margin + unit_ + "TLocal = record a: Integer; end;" + CRLF;
  if (Depth < 2 && Chance(30)) s += Routine(Margin + unit_, Depth + 1);
  if (Chance(10)) return s + Margin + "asm" + CRLF + Margin + unit_ + "nop" + CRLF + Margin + "end;" + CRLF;
  if (Chance(8)) return s + Margin + "begin Done; end;" + CRLF;

  const std::string beginMargin = Margin + beginShift_;
  std::string beginLine = beginMargin + "begin";
  if (Chance(10)) beginLine += " Start;";
  if (Chance(10)) beginLine += " // opens";
  s += beginLine + CRLF;
  const std::string inner = beginMargin + unit_;
  if (Chance(12)) s += inner + "{Corvane.IgnoreRoutine}" + CRLF;
  if (Chance(25)) {
    // A block already in place, current or outdated, in one of the layouts.
    std::string text = "GenUnit.pas : ";
    text += std::string(1, static_cast<char>(kind[0] - 'a' + 'A')) + kind.substr(1) + " ";
    if (!className.empty()) text += className + ".";
    text += Chance(70) ? name : "Old" + name;
    std::string p = params;
    const std::size_t semi = p.find(';');
    if (semi != std::string::npos) p = p.substr(0, semi + 1);
    std::string clean;
    for (char c : p)
      if (c != '\'') clean += c;
    if (!clean.empty()) text += "(" + clean + ")";
    std::string except = "Except VIX.Push('" + text + "'); Raise; End;";
    if (Chance(30)) except = "except" + CRLF + inner + unit_ + "vix.push('" + text + "');" + CRLF + inner + unit_ + "raise;" + CRLF + inner + "end;";
    if (Chance(20)) except = Upper(except.substr(0, 6)) + except.substr(6);
    s += inner + "Try" + CRLF + Body(inner + unit_, Depth) + inner + except + CRLF;
  } else {
    s += Body(inner, Depth);
  }
  if (Chance(10)) s += inner + "Finish; end;" + CRLF;
  else s += beginMargin + "end;" + CRLF;
  return s;
}

std::string PascalGenerator::Body(const std::string& Indent, int Depth) {
  std::string s;
  const int n = Pick(5);
  for (int i = 0; i < n; ++i) s += Statement(Indent, Depth);
  return s;
}

std::string PascalGenerator::Statement(const std::string& Indent, int Depth) {
  const std::string in = Indent + unit_;
  switch (Depth > 3 ? Pick(6) : Pick(14)) {
    case 0:
      return Indent + "x := 1;" + CRLF;
    case 1:
      return Indent + "s := 'it''s end; begin {' + #13;" + CRLF;
    case 2:
      return Indent + "// try end; begin" + CRLF;
    case 3:
      return Indent + "{ case" + CRLF + Indent + "  end; } Call(1); (* try *)" + CRLF;
    case 4:
      return CRLF;
    case 5:
      return Indent + "Trend := Trend + 1; { x }" + CRLF;
    case 6:
      return Indent + "begin" + CRLF + Body(in, Depth + 1) + Indent + "end;" + CRLF;
    case 7:
      return Indent + "try" + CRLF + Body(in, Depth + 1) + Indent + "except" + CRLF + in + "on E: Exception do Log(E.Message);" +
             CRLF + Indent + "end;" + CRLF;
    case 8:
      return Indent + "try" + CRLF + Body(in, Depth + 1) + Indent + "finally" + CRLF + Body(in, Depth + 1) + Indent + "end;" + CRLF;
    case 9:
      return Indent + "case x of" + CRLF + in + "1: a;" + CRLF + in + "2: begin" + CRLF + Body(in + unit_, Depth + 1) + in +
             "end;" + CRLF + Indent + "else" + CRLF + in + "b;" + CRLF + Indent + "end;" + CRLF;
    case 10:
      return Indent + "if a then" + CRLF + in + "b" + CRLF + Indent + "else" + CRLF + in + "c;" + CRLF;
    case 11:
      return Indent + "asm" + CRLF + in + "nop" + CRLF + Indent + "end;" + CRLF;
    case 12:
      return Indent + "while i < 3 do begin Inc(i); end;" + CRLF;
    default:
      return "\t" + Indent + "Weird  :=  2 ;  " + CRLF;
  }
}
